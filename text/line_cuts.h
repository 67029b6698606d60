// Small cuts on report lines that the converters and the item-list page
// make over and over. Positions follow the text helpers: 1-based, 0 = not
// found.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// Blanks (byte 32 only) removed at both ends, or at the start only.
std::string TrimBlanks(std::string_view text);
std::string TrimLeadingBlanks(std::string_view text);
// Blanks and control characters (bytes up to 32) removed at both ends.
std::string TrimBlanksAndControls(std::string_view text);
// Blanks and tabs (bytes 32 and 9) removed at both ends, as a view of text:
// the settings file's lines.
std::string_view TrimBlanksAndTabs(std::string_view text);

// True when the line, in ASCII lower case, holds the lower-case pattern.
bool HoldsLowered(std::string_view line, std::string_view pattern);

// The text before the first occurrence of marker; empty when it is missing.
std::string TextBefore(std::string_view text, std::string_view marker);

// Deletes everything up to and including the first marker, and `extra`
// characters after it. The cutting rule of the report sections: when the
// marker is missing, as many characters as the marker has, less one (plus
// extra), are deleted all the same.
void DeleteThrough(std::string& text, std::string_view marker, int extra = 0);
// The same on a view, which only moves its start, and returns what went:
// cutting a long text into many pieces this way stays linear.
std::string_view DeleteThrough(std::string_view& text, std::string_view marker);

// The same, but a missing marker leaves the text as it is (the item-list
// page's cuts).
void DeleteThroughIfFound(std::string& text, std::string_view marker, int extra = 0);

// The cell text of a table line: from the character after the first ">" up
// to the next "<" (or the end of the line), blanks trimmed.
std::string CellText(std::string_view line);

// The text between the first `open` and the next ")" after it; empty when
// either is missing.
std::string NumberAfter(std::string_view line, std::string_view open);

// The text as a decimal or hexadecimal integer by the tool's number rule,
// 0 when it is not a number.
int IntegerOrZero(const std::string& text);

// The bytes report text loses on its way into a document or a page: the
// control characters below 32 but the tab, and DEL (127). A NUL or an escape
// byte in a report is never meant as text, and a reader may stop at it.
constexpr bool IsDroppedControl(unsigned char c) { return (c < 32 && c != '\t') || c == 127; }

// Removes every IsDroppedControl byte from text.
void DropControlBytes(std::string& text);

}  // namespace qv
