#include "text/search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "text/byte_words.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qv {
namespace {

// The bytes of report text, commonest first, as counted over our sample
// reports: blanks, tag brackets, the letters of tag names and attributes,
// then the letters of the prose. A byte not listed is rarer than all of them.
constexpr std::string_view kCommonBytes =
    " <>TDASt/L=\"e\r\nCa1RE0slrnIkPzN\xE1o,HB\xE9gpd2by.i:mGv";

constexpr std::array<unsigned char, 256> MakeCommonness() {
  std::array<unsigned char, 256> commonness{};
  for (std::size_t i = 0; i < kCommonBytes.size(); ++i)
    commonness[static_cast<unsigned char>(kCommonBytes[i])] =
        static_cast<unsigned char>(kCommonBytes.size() - i);
  return commonness;
}
constexpr std::array<unsigned char, 256> kCommonness = MakeCommonness();

int Commonness(char c) { return kCommonness[static_cast<unsigned char>(c)]; }

// The place in the pattern of its rarest character (the first of equals):
// the searches jump from one occurrence of it to the next with memchr. Any
// place finds the same; in a short text (`span` bytes to search) only the
// first eight characters are looked at, so that choosing costs less than
// the search.
std::size_t AnchorOf(std::string_view pattern, std::size_t span) {
  std::size_t anchor = 0;
  int rarest = Commonness(pattern[0]);
  const std::size_t looked =
      span > 4096 ? pattern.size() : std::min<std::size_t>(pattern.size(), 8);
  for (std::size_t i = 1; i < looked && rarest > 0; ++i)
    if (const int c = Commonness(pattern[i]); c < rarest) {
      anchor = i;
      rarest = c;
    }
  return anchor;
}

// The pattern stands at `at`, its anchor character known to be there: the
// last character is checked in place before the rest is compared.
inline bool Matches(const char* at, std::string_view pattern) {
  const std::size_t n = pattern.size();
  return at[n - 1] == pattern[n - 1] && std::memcmp(at, pattern.data(), n - 1) == 0;
}

// The first occurrence at or after `from`, jumping by the pattern's
// character at `anchor`; the pattern is not empty and fits after `from`.
inline std::size_t ScanByAnchor(std::string_view text, std::string_view pattern, std::size_t from,
                                std::size_t anchor) {
  const char* data = text.data();
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

// Texts from this length on have the anchor of a PatternFinder chosen by
// what they hold: so many bytes of them, in four stretches, are counted.
constexpr std::size_t kSampledText = 64 * 1024;
constexpr std::size_t kSampleStretch = 1024;

}  // namespace

std::size_t FindFrom(std::string_view text, std::string_view pattern, std::size_t from) {
  if (pattern.empty()) return from <= text.size() ? from : std::string_view::npos;
  if (from > text.size() || pattern.size() > text.size() - from) return std::string_view::npos;
  return ScanByAnchor(text, pattern, from, AnchorOf(pattern, text.size() - from));
}

PatternFinder::PatternFinder(std::string_view text, std::string_view pattern)
    : text_(text), pattern_(pattern) {
  if (pattern.empty()) return;
  anchor_ = AnchorOf(pattern, text.size());
  if (text.size() < kSampledText) return;
  std::array<std::uint32_t, 256> counts{};
  for (std::size_t part = 0; part < 4; ++part)
    for (const char c : text.substr(text.size() / 4 * part, kSampleStretch))
      ++counts[static_cast<unsigned char>(c)];
  auto countOf = [&counts](char c) { return counts[static_cast<unsigned char>(c)]; };
  // The rarest in the text; of equals, the rarest in report text at large.
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::uint32_t count = countOf(pattern[i]);
    const std::uint32_t best = countOf(pattern[anchor_]);
    if (count < best || (count == best && Commonness(pattern[i]) < Commonness(pattern[anchor_])))
      anchor_ = i;
  }
}

std::size_t PatternFinder::operator()(std::size_t from) const {
  if (pattern_.empty()) return from <= text_.size() ? from : std::string_view::npos;
  if (from > text_.size() || pattern_.size() > text_.size() - from) return std::string_view::npos;
  return ScanByAnchor(text_, pattern_, from, anchor_);
}

Needle::Needle(std::string_view pattern)
    : pattern_(pattern), anchor_(pattern.empty() ? 0 : AnchorOf(pattern, std::string_view::npos)) {}

bool Needle::In(std::string_view text) const {
  // An empty pattern is never found, as by Contains.
  return !pattern_.empty() && pattern_.size() <= text.size() &&
         ScanByAnchor(text, pattern_, 0, anchor_) != std::string_view::npos;
}

// The last byte c among the first n at data, or nullptr: memrchr where the
// C library has it (glibc), a plain backward scan elsewhere.
static const void* LastByte(const char* data, char c, std::size_t n) {
#ifdef __GLIBC__
  return ::memrchr(data, c, n);
#else
  for (std::size_t i = n; i > 0; --i)
    if (data[i - 1] == c) return data + i - 1;
  return nullptr;
#endif
}

std::size_t FindAnyByte(std::string_view text, std::string_view bytes, std::size_t from) {
  if (bytes.empty() || bytes.size() > 3) return text.find_first_of(bytes, from);
  const char* const d = text.data();
  const std::size_t n = text.size();
  // A byte left out is the first repeated: the same hits.
  const unsigned char a = static_cast<unsigned char>(bytes[0]);
  const unsigned char b = static_cast<unsigned char>(bytes[bytes.size() > 1 ? 1 : 0]);
  const unsigned char c = static_cast<unsigned char>(bytes.back());
#if defined(__SSE2__)
  // Sixteen bytes a step where the processor has SSE2 (every x86-64 one).
  {
    const __m128i va = _mm_set1_epi8(static_cast<char>(a));
    const __m128i vb = _mm_set1_epi8(static_cast<char>(b));
    const __m128i vc = _mm_set1_epi8(static_cast<char>(c));
    for (; from + 16 <= n; from += 16) {
      const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + from));
      const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(w, va), _mm_cmpeq_epi8(w, vb)),
                                        _mm_cmpeq_epi8(w, vc));
      if (const int mask = _mm_movemask_epi8(hits); mask != 0)
        return from + static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(mask)));
    }
  }
#endif
  if constexpr (byte_words::kUsable) {
    using byte_words::BytesEqual;
    for (; from + 8 <= n; from += 8) {
      const std::uint64_t w = byte_words::Load(d + from);
      const std::uint64_t hits = BytesEqual(w, a) | BytesEqual(w, b) | BytesEqual(w, c);
      if (hits != 0) return from + byte_words::FirstMarked(hits);
    }
  }
  for (; from < n; ++from) {
    const unsigned char x = static_cast<unsigned char>(d[from]);
    if (x == a || x == b || x == c) return from;
  }
  return std::string_view::npos;
}

std::size_t FindLast(std::string_view text, std::string_view pattern) {
  if (pattern.empty() || pattern.size() > text.size()) return std::string_view::npos;
  const char* data = text.data();
  const std::size_t anchor = AnchorOf(pattern, text.size());
  // Every start before `limit` is still to be tried.
  for (std::size_t limit = text.size() - pattern.size() + 1; limit > 0;) {
    const void* hit = LastByte(data + anchor, pattern[anchor], limit);
    if (hit == nullptr) break;
    const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(hit) - data) - anchor;
    if (Matches(data + at, pattern)) return at;
    limit = at;
  }
  return std::string_view::npos;
}

}  // namespace qv
