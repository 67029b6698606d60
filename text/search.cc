#include "text/search.h"

#include <cstring>

namespace qv {
namespace {

constexpr std::size_t kShortText = 256;

// How common a byte is in report prose, roughly: blanks, then tag
// brackets, then letters and digits; everything else is rare.
int Commonness(char c) {
  if (c == ' ') return 3;
  if (c == '<' || c == '>' || c == '/') return 2;
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return 1;
  return 0;
}

// The place in the pattern of its rarest character (the first of equals):
// the searches jump from one occurrence of it to the next with memchr.
std::size_t AnchorOf(std::string_view pattern) {
  std::size_t anchor = 0;
  for (std::size_t i = 1; i < pattern.size(); ++i)
    if (Commonness(pattern[i]) < Commonness(pattern[anchor])) anchor = i;
  return anchor;
}

// The pattern stands at `at`, its anchor character known to be there: the
// last character is checked in place before the rest is compared.
inline bool Matches(const char* at, std::string_view pattern) {
  const std::size_t n = pattern.size();
  return at[n - 1] == pattern[n - 1] && std::memcmp(at, pattern.data(), n - 1) == 0;
}

}  // namespace

std::size_t FindFrom(std::string_view text, std::string_view pattern, std::size_t from) {
  if (pattern.empty()) return from <= text.size() ? from : std::string_view::npos;
  if (from > text.size() || pattern.size() > text.size() - from) return std::string_view::npos;
  // A report line is searched faster without choosing an anchor first.
  if (text.size() - from < kShortText) return text.find(pattern, from);
  const char* data = text.data();
  const std::size_t anchor = AnchorOf(pattern);
  // Every start from `from` up to `end` (exclusive) is still to be tried.
  const std::size_t end = text.size() - pattern.size() + 1;
  while (from < end) {
    const void* hit = std::memchr(data + from + anchor, pattern[anchor], end - from);
    if (hit == nullptr) break;
    const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(hit) - data) - anchor;
    if (Matches(data + at, pattern)) return at;
    from = at + 1;
  }
  return std::string_view::npos;
}

std::size_t FindLast(std::string_view text, std::string_view pattern) {
  if (pattern.empty() || pattern.size() > text.size()) return std::string_view::npos;
  const char* data = text.data();
  const std::size_t anchor = AnchorOf(pattern);
  // Every start before `limit` is still to be tried.
  for (std::size_t limit = text.size() - pattern.size() + 1; limit > 0;) {
    const void* hit = ::memrchr(data + anchor, pattern[anchor], limit);
    if (hit == nullptr) break;
    const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(hit) - data) - anchor;
    if (Matches(data + at, pattern)) return at;
    limit = at;
  }
  return std::string_view::npos;
}

}  // namespace qv
