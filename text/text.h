// String operations that the report converters are built from.
//
// Texts are Windows-1250 byte strings, one byte per character. Positions
// count from 1 and a search result of 0 means "not found", so that every
// step of a conversion reads like the literal edit it performs. All
// operations are total: edits outside the text do nothing, searches return 0.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// --- Basic edits -----------------------------------------------------------

// The number of characters (bytes) of a text.
inline int Length(std::string_view text) { return static_cast<int>(text.size()); }

// The room to reserve for a copy of a text of `size` bytes that edits may
// lengthen: an eighth more, so that a copy of megabytes is seldom moved
// again while it is built (room reserved and never written costs no memory).
inline std::size_t RoomForEdits(std::size_t size) { return size + size / 8 + 64; }

// Position of the first occurrence of pattern (case-sensitive), else 0.
// An empty pattern is never found.
int Find(std::string_view pattern, std::string_view text);
bool Contains(std::string_view text, std::string_view pattern);

// Places x before the character at p; p <= 0 inserts at the start, p beyond
// the end appends.
void Insert(std::string_view x, std::string& text, int p);

// Removes n characters from p on (fewer if the text ends first); nothing
// happens when p < 1, p > length or n <= 0.
void Delete(std::string& text, int p, int n);

// The characters from p on, at most n; empty when n <= 0 or p > length.
// A p below 1 counts from the first character.
std::string Copy(std::string_view text, int p, int n);

// ASCII-only case folding (other bytes unchanged).
std::string AsciiLowerCase(std::string text);
std::string AsciiUpperCase(std::string text);

// --- Filling to a width (width 0..255) --------------------------------------

// Blanks appended up to width; a text at least as long is never cut, and a
// width of 0 returns the text unchanged.
std::string PadRight(std::string text, int width);
// Blanks put in front up to width.
std::string PadLeft(std::string text, int width);
// "0" characters put in front up to width.
std::string PadZeros(std::string text, int width);

// --- Searching and replacing ------------------------------------------------

// Replaces every occurrence of pattern, restarting the search at position 1
// after each replacement, so occurrences created by a replacement are
// replaced too: ReplaceAll("  ", " ", ...) leaves no run of blanks, and
// ReplaceAll(" * ", "*", "a  * b") gives "a* b". An empty pattern, or a
// pattern equal to the replacement, returns the text unchanged. The work is
// linear in the text (times the pattern length), not quadratic.
std::string ReplaceAll(std::string_view pattern, std::string_view replacement, std::string text);

// Position of the first occurrence of pattern that starts at or after start
// (the whole text when start <= 1), else 0; 0 when start > length.
int PosFrom(std::string_view pattern, std::string_view text, int start);

// First position at or after start holding c, else 0 (0 when start > length).
int CharPosFrom(std::string_view text, char c, int start);

// Last position at or before start holding c, else 0 (0 when start > length).
int CharPosBackFrom(std::string_view text, char c, int start);

// True when text ends with suffix (the PosFrom test the converters use).
bool EndsWith(std::string_view text, std::string_view suffix);

// --- Blanks and tags ---------------------------------------------------------

// Leading blanks removed and every run of blanks cut to one (a single
// trailing blank stays). Blank means byte 32 only.
std::string CollapseBlanks(std::string text);
// out += CollapseBlanks(text + tail), without the copies.
void AppendCollapsed(std::string& out, std::string_view text, std::string_view tail = {});

// Runs of blanks cut to one, both ends trimmed, and no blank left right after
// a CR LF. A blank before a line break stays.
std::string NormalizeBlanks(std::string text);

// Removes tags (a "<" through the next ">") while the first "<" stands before
// the first ">"; a literal ">" ahead of the first "<" stops the removal for
// good. Entities stay as they are.
std::string RemoveTags(std::string text);

// RemoveTags, then decodes "&nbsp;", "&gt;", "&gt", "&lt;", "&lt", in that
// order.
std::string StripTags(std::string text);
// StripTags of a text that stays where it is: only what is kept is copied
// (a report line's cell text, mostly short enough to need no allocation).
std::string StripTagsOf(std::string_view text);
// Appends NormalizeBlanks(StripTagsOf(text)) to `out`: a report line's
// plain text, made in one pass when the line holds no entity. `text` must
// not lie in `out`.
void AppendPlainText(std::string& out, std::string_view text);
// NormalizeBlanks(StripTags(text)), made in place in one pass when the text
// holds no entity.
void KeepPlainText(std::string& text);

// Lowers the 35 letters of the Hungarian upper-case alphabet (the ASCII
// letters and ÁÉÍÓÖŐÚÜŰ in Windows-1250); every other byte stays.
std::string HungarianLowerCase(std::string text);

// Byte offset (0-based, npos when none) of the first place at or after
// `from` where HungarianLowerCase(text) holds `lowered`, found without the
// lowered copy. `lowered` is given lowered already; an empty one is never
// found.
std::size_t FindLoweredFrom(std::string_view text, std::string_view lowered, std::size_t from = 0);

// Whether HungarianLowerCase(text) holds `lowered` at byte offset `at`.
bool HoldsLoweredAt(std::string_view text, std::size_t at, std::string_view lowered);

}  // namespace qv
