// Small cuts on report lines that the item-list page makes over and over.
// Positions follow the text helpers: 1-based, 0 = not found.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// Blanks (byte 32 only) removed at both ends.
std::string TrimBlanks(std::string_view text);

// The text before the first occurrence of marker; empty when it is missing.
std::string TextBefore(std::string_view text, std::string_view marker);

// Deletes from the start through the first occurrence of marker and `extra`
// characters after it. Nothing is deleted when the marker is missing.
void DeleteThrough(std::string& text, std::string_view marker, int extra);

// Removes tags: while the text holds a "<" and a ">" and its first "<"
// stands before its first ">", the text from that "<" through that ">" goes.
// A ">" ahead of the first "<" ends the removal. Entities stay as they are.
std::string RemoveTags(std::string text);

// The cell text of a table line: from the character after the first ">" up
// to the next "<" (or the end of the line), blanks trimmed.
std::string CellText(std::string_view line);

// The text between the first `open` and the next ")" after it; empty when
// either is missing.
std::string NumberAfter(std::string_view line, std::string_view open);

// The text as a decimal or hexadecimal integer by the tool's number rule,
// 0 when it is not a number.
int IntegerOrZero(const std::string& text);

}  // namespace qv
