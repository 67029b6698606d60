#include "rtfkit/rtf_escape.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "text/byte_words.h"
#include "text/line_cuts.h"
#include "text/text.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qv {
namespace {

constexpr bool IsDropped(unsigned char c) { return IsDroppedControl(c); }
constexpr bool IsEscaped(char c) { return c == '\\' || c == '{' || c == '}'; }

// The bytes RtfEscape changes, looked up byte by byte in one table.
constexpr std::array<bool, 256> MakeChangedTable() {
  std::array<bool, 256> changed{};
  for (int b = 0; b < 256; ++b)
    changed[b] = IsDropped(static_cast<unsigned char>(b)) || IsEscaped(static_cast<char>(b));
  return changed;
}
constexpr std::array<bool, 256> kChanged = MakeChangedTable();

bool Changed(char c) { return kChanged[static_cast<unsigned char>(c)]; }

}  // namespace

bool NeedsRtfEscape(std::string_view text) {
  for (const char c : text)
    if (Changed(c)) return true;
  return false;
}

std::string RtfEscape(std::string_view text) {
  std::string out;
  out.reserve(RoomForEdits(text.size()));
  AppendRtfEscaped(out, text);
  return out;
}

namespace {

// Whether the eight bytes at `at` may hold one that RtfEscape changes: a
// control byte (a tab too, which stays), DEL, "\\", "{" or "}".
bool MayHoldChanged(const char* at) {
  using namespace byte_words;
  const std::uint64_t w = Load(at);
  return (BytesBelow(w, 0x20) | BytesEqual(w, 0x7F) | BytesEqual(w, '\\') | BytesEqual(w, '{') |
          BytesEqual(w, '}')) != 0;
}

// The first byte from i on that RtfEscape changes, or n: sixteen bytes a
// step where the processor has SSE2, eight elsewhere, then byte by byte
// (a tab passes the word tests and is looked at again).
std::size_t NextChanged(const char* d, std::size_t n, std::size_t i) {
  for (;;) {
#if defined(__SSE2__)
    const __m128i space = _mm_set1_epi8(0x20), minus1 = _mm_set1_epi8(-1);
    for (; i + 16 <= n; i += 16) {
      const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
      // Signed bytes from 0 to 0x1F are the controls; 0x80 and up are negative.
      const __m128i controls = _mm_and_si128(_mm_cmplt_epi8(w, space), _mm_cmpgt_epi8(w, minus1));
      const __m128i marks = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(w, _mm_set1_epi8(0x7F)),
                                                      _mm_cmpeq_epi8(w, _mm_set1_epi8('\\'))),
                                         _mm_or_si128(_mm_cmpeq_epi8(w, _mm_set1_epi8('{')),
                                                      _mm_cmpeq_epi8(w, _mm_set1_epi8('}'))));
      if (const int mask = _mm_movemask_epi8(_mm_or_si128(controls, marks)); mask != 0) {
        i += static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(mask)));
        break;
      }
    }
#endif
    if constexpr (byte_words::kUsable)
      while (i + 8 <= n && !MayHoldChanged(d + i)) i += 8;
    for (const std::size_t stop = std::min(n, i + 8); i < stop; ++i)
      if (Changed(d[i])) return i;
    if (i == n) return n;
  }
}

}  // namespace

void AppendRtfEscaped(std::string& out, std::string_view text) {
  // The bytes between two that are dropped or escaped go over as one run.
  const char* const d = text.data();
  const std::size_t n = text.size();
  std::size_t from = 0;
  for (std::size_t i = NextChanged(d, n, 0); i < n; i = NextChanged(d, n, i + 1)) {
    out.append(d + from, i - from);
    if (IsEscaped(d[i])) {
      out += '\\';
      out += d[i];
    }
    from = i + 1;
  }
  out.append(d + from, n - from);
}

void RtfEscapeInPlace(std::string& text) {
  char* const d = text.data();
  const std::size_t n = text.size();
  std::size_t i = NextChanged(d, n, 0);
  if (i == n) return;
  // Forward, the dropped bytes go and the kept ones close up; the places of
  // the escaped ones, in the shortened text, are noted.
  std::vector<std::size_t> escaped;
  std::size_t w = i;
  while (i < n) {
    if (IsEscaped(d[i])) {
      escaped.push_back(w);
      d[w++] = d[i];
    }
    const std::size_t next = NextChanged(d, n, i + 1);
    std::memmove(d + w, d + i + 1, next - i - 1);
    w += next - i - 1;
    i = next;
  }
  text.resize(w + escaped.size());
  // Backward, each run moves to its place and each escaped byte gets its
  // "\" in front.
  char* const e = text.data();
  std::size_t end = w;  // the shortened text's bytes not yet moved: [0, end)
  for (std::size_t k = escaped.size(); k > 0; --k) {
    const std::size_t at = escaped[k - 1];
    std::memmove(e + at + k, e + at, end - at);
    e[at + k - 1] = '\\';
    end = at;
  }
}

}  // namespace qv
