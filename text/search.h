// Byte-offset searches for the one-pass scans over long texts (0-based like
// std::string::find, npos when not found). std::string::find calls memcmp at
// every place the pattern's first character stands, which in report prose
// (patterns starting with a blank or "<") is every few bytes; these jump
// between occurrences of the pattern's rarest character instead and check
// its last character in place before comparing.
#pragma once

#include <bit>
#include <cstddef>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qv {

// The first occurrence of pattern starting at or after `from`.
std::size_t FindFrom(std::string_view text, std::string_view pattern, std::size_t from = 0);

// FindFrom for one pattern in one text, again and again: the character the
// search jumps by is chosen once, for a long text as the pattern's rarest in
// stretches of the text itself rather than in report text at large (a
// story holds a "." in every sentence, but few "z"). Any choice finds the
// same.
class PatternFinder {
 public:
  // Both must outlive the finder.
  PatternFinder(std::string_view text, std::string_view pattern);
  std::size_t operator()(std::size_t from) const;

 private:
  std::string_view text_;
  std::string_view pattern_;
  std::size_t anchor_ = 0;
};

// Whether a non-empty pattern stands in one short text after another (a
// marker looked for in every line of a report): the character the search
// jumps by is chosen once, the pattern's rarest in report text at large,
// where FindFrom chooses among its first characters at every call.
class Needle {
 public:
  // The pattern must outlive the needle.
  explicit Needle(std::string_view pattern);
  bool In(std::string_view text) const;

 private:
  std::string_view pattern_;
  std::size_t anchor_ = 0;
};

// The last occurrence of a non-empty pattern.
std::size_t FindLast(std::string_view text, std::string_view pattern);

// The first byte at or after `from` that is one of `bytes` (one to three of
// them), looked for sixteen or eight bytes at a time.
std::size_t FindAnyByte(std::string_view text, std::string_view bytes, std::size_t from = 0);

// Calls visit(offset) for every byte of the text that is one of `bytes`
// (one to three of them), in order: for bytes as common as the blank or
// the braces of RTF, sixteen bytes are compared at once where the
// processor has SSE2, and a call per byte found is all that is left.
template <typename Visit>
void ForEachByteOf(std::string_view text, std::string_view bytes, Visit visit) {
  const char* const d = text.data();
  const std::size_t n = text.size();
  // A byte left out is the first repeated: the same hits.
  const char a = bytes[0], b = bytes[bytes.size() > 1 ? 1 : 0], c = bytes.back();
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i va = _mm_set1_epi8(a), vb = _mm_set1_epi8(b), vc = _mm_set1_epi8(c);
  for (; i + 16 <= n; i += 16) {
    const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
    const __m128i found = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(w, va), _mm_cmpeq_epi8(w, vb)),
                                       _mm_cmpeq_epi8(w, vc));
    for (auto hits = static_cast<unsigned>(_mm_movemask_epi8(found)); hits != 0; hits &= hits - 1)
      visit(i + static_cast<std::size_t>(std::countr_zero(hits)));
  }
#endif
  for (; i < n; ++i)
    if (d[i] == a || d[i] == b || d[i] == c) visit(i);
}

// Whether some start s of a span of `length` bytes (s + length <= the
// text's size) has `first` at s and `last` at s + length - 1 and passes
// rest(s): sixteen starts at a time where the processor has SSE2, so that a
// pattern whose ends are tag brackets is looked for without stopping at
// every "<" of a line. Starts are tried in order; length is at least 2.
template <typename Rest>
bool AnyStartBetween(std::string_view text, char first, char last, std::size_t length, Rest rest) {
  if (length < 2 || length > text.size()) return false;
  const char* const d = text.data();
  const std::size_t end = text.size() - length + 1;  // starts up to here
  std::size_t s = 0;
#if defined(__SSE2__)
  if (end >= 16) {
    const __m128i firsts = _mm_set1_epi8(first), lasts = _mm_set1_epi8(last);
    // Starts s to s + 15; the last byte of start s + 15 is at most the text's last.
    auto candidates = [&](std::size_t at) {
      const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + at));
      const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + at + length - 1));
      return static_cast<unsigned>(
          _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, firsts), _mm_cmpeq_epi8(b, lasts))));
    };
    for (; s + 16 <= end; s += 16)
      for (unsigned hits = candidates(s); hits != 0; hits &= hits - 1)
        if (rest(s + static_cast<std::size_t>(std::countr_zero(hits)))) return true;
    if (s == end) return false;
    // The last sixteen starts, less those tried already.
    const std::size_t tail = end - 16;
    for (unsigned hits = candidates(tail) >> (s - tail); hits != 0; hits &= hits - 1)
      if (rest(s + static_cast<std::size_t>(std::countr_zero(hits)))) return true;
    return false;
  }
#endif
  for (; s < end; ++s)
    if (d[s] == first && d[s + length - 1] == last && rest(s)) return true;
  return false;
}

// ForEachByteOf for a single byte.
template <typename Visit>
void ForEachByte(std::string_view text, char c, Visit visit) {
  ForEachByteOf(text, std::string_view(&c, 1), visit);
}

}  // namespace qv
