#include "text/line_cuts.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "text/search.h"
#include "text/settings.h"
#include "text/text.h"

namespace qv {
namespace {

// The text without the bytes `cut` holds for at both of its ends.
template <class Cut>
std::string_view TrimmedBy(std::string_view text, Cut cut) {
  std::size_t b = 0, e = text.size();
  while (b < e && cut(text[b])) ++b;
  while (e > b && cut(text[e - 1])) --e;
  return text.substr(b, e - b);
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
  return std::string(TrimmedBy(text, [](char c) { return c == ' '; }));
}

std::string TrimBlanksAndControls(std::string_view text) {
  return std::string(TrimmedBy(text, [](char c) { return static_cast<unsigned char>(c) <= ' '; }));
}

std::string_view TrimBlanksAndTabs(std::string_view text) {
  return TrimmedBy(text, [](char c) { return c == ' ' || c == '\t'; });
}

std::string TrimLeadingBlanks(std::string_view text) {
  std::size_t b = 0;
  while (b < text.size() && text[b] == ' ') ++b;
  return std::string(text.substr(b));
}

bool HoldsLowered(std::string_view line, std::string_view pattern) {
  // Compares each byte lowered on the way, without a lowered copy of the line.
  if (pattern.empty()) return false;
  auto lowered = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  auto same = [&](char a, char b) { return lowered(a) == b; };
  const char first = pattern.front();
  const std::size_t n = pattern.size();
  // A byte that is no ASCII letter is the lowered form of itself alone: a
  // pattern whose ends are such bytes (a tag) is looked for by both ends at
  // once.
  auto itself = [](char c) { return !((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')); };
  if (n >= 2 && itself(first) && itself(pattern.back()))
    return AnyStartBetween(line, first, pattern.back(), n, [&](std::size_t at) {
      return std::equal(line.begin() + at + 1, line.begin() + at + n - 1, pattern.begin() + 1,
                        same);
    });
  if (first >= 'a' && first <= 'z')
    return std::search(line.begin(), line.end(), pattern.begin(), pattern.end(), same) !=
           line.end();
  // Only the byte itself lowers to a first character that is no small
  // letter ("<" of a tag), so the candidates are found with memchr.
  for (std::size_t at = 0; n <= line.size() - at;) {
    const void* hit = std::memchr(line.data() + at, first, line.size() - n + 1 - at);
    if (hit == nullptr) return false;
    at = static_cast<std::size_t>(static_cast<const char*>(hit) - line.data());
    if (std::equal(line.begin() + at + 1, line.begin() + at + n, pattern.begin() + 1, same))
      return true;
    ++at;
  }
  return false;
}

std::string TextBefore(std::string_view text, std::string_view marker) {
  return Copy(text, 1, Find(marker, text) - 1);
}

void DeleteThrough(std::string& text, std::string_view marker, int extra) {
  const int p = Find(marker, text);
  Delete(text, 1, p + static_cast<int>(marker.size()) - 1 + extra);
}

std::string_view DeleteThrough(std::string_view& text, std::string_view marker) {
  const int n = std::clamp(Find(marker, text) + Length(marker) - 1, 0, Length(text));
  const std::string_view cut = text.substr(0, static_cast<std::size_t>(n));
  text.remove_prefix(cut.size());
  return cut;
}

void DeleteThroughIfFound(std::string& text, std::string_view marker, int extra) {
  if (Contains(text, marker)) DeleteThrough(text, marker, extra);
}

std::string CellText(std::string_view line) {
  const int gt = Find(">", line);
  if (gt == 0) return std::string();
  const int lt = CharPosFrom(line, '<', gt + 1);
  const int end = lt == 0 ? static_cast<int>(line.size()) + 1 : lt;
  return TrimBlanks(Copy(line, gt + 1, end - gt - 1));
}

std::string NumberAfter(std::string_view line, std::string_view open) {
  const int at = Find(open, line);
  if (at == 0) return std::string();
  const int from = at + static_cast<int>(open.size());
  const int close = CharPosFrom(line, ')', from);
  if (close == 0) return std::string();
  return Copy(line, from, close - from);
}

int IntegerOrZero(const std::string& text) { return IntegerOr(text, 0); }

namespace {

// Whether one of the eight bytes of w is below 32 or is 127: the tab too, so
// a word it answers yes for is looked at byte by byte.
constexpr bool MayHoldDroppedControl(std::uint64_t w) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHighs = 0x8080808080808080;
  const std::uint64_t below32 = (w - kOnes * 32) & ~w & kHighs;
  const std::uint64_t del = w ^ (kOnes * 127);
  return (below32 | ((del - kOnes) & ~del & kHighs)) != 0;
}

}  // namespace

void DropControlBytes(std::string& text) {
  auto dropped = [](char c) { return IsDroppedControl(static_cast<unsigned char>(c)); };
  // Report lines almost never hold one: the look costs a pass, eight bytes a
  // step, and no copy.
  const char* const d = text.data();
  const std::size_t n = text.size();
  std::size_t at = 0;
  for (; at + 8 <= n; at += 8) {
    std::uint64_t w;
    std::memcpy(&w, d + at, 8);
    if (MayHoldDroppedControl(w) && std::any_of(d + at, d + at + 8, dropped)) break;
  }
  const auto first =
      std::find_if(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(), dropped);
  if (first == text.end()) return;
  text.erase(std::remove_if(first, text.end(), dropped), text.end());
}

}  // namespace qv
