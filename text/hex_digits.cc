#include "text/hex_digits.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace qv {
namespace {

// The two digits of every byte value, side by side.
using HexPairs = std::array<char, 512>;

constexpr HexPairs MakeHexPairs(const char (&digits)[17]) {
  HexPairs pairs{};
  for (int b = 0; b < 256; ++b) {
    pairs[2 * b] = digits[b >> 4];
    pairs[2 * b + 1] = digits[b & 0x0F];
  }
  return pairs;
}

constexpr HexPairs kUpperPairs = MakeHexPairs("0123456789ABCDEF");
constexpr HexPairs kLowerPairs = MakeHexPairs("0123456789abcdef");

}  // namespace

char* PutHex(std::span<const uint8_t> bytes, char* out, HexCase letters) {
  const char* pairs = (letters == HexCase::kUpper ? kUpperPairs : kLowerPairs).data();
  // Four bytes at a time in one word: each byte spread over two, its high
  // and low nibble side by side, then every nibble made a digit at once
  // ("0" + n, and the gap from "9" to "A" or "a" where n is 10 or more).
  const uint64_t letterGap = letters == HexCase::kUpper ? 'A' - '9' - 1 : 'a' - '9' - 1;
  constexpr uint64_t kEachByte = 0x0101010101010101;
  std::size_t i = 0;
#ifdef __SSE2__
  // Sixteen bytes at a time where the processor has SSE2 (every x86-64):
  // the high and low nibbles interleaved, then made digits as above, with a
  // comparison choosing where the letter gap goes.
  const __m128i lowNibble = _mm_set1_epi8(0x0F);
  const __m128i nine = _mm_set1_epi8(9);
  const __m128i zero = _mm_set1_epi8('0');
  const __m128i gap = _mm_set1_epi8(static_cast<char>(letterGap));
  auto digitsOf = [&](__m128i nibbles) {
    const __m128i letters = _mm_and_si128(_mm_cmpgt_epi8(nibbles, nine), gap);
    return _mm_add_epi8(_mm_add_epi8(nibbles, zero), letters);
  };
  for (; i + 16 <= bytes.size(); i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + i));
    const __m128i high = _mm_and_si128(_mm_srli_epi16(v, 4), lowNibble);
    const __m128i low = _mm_and_si128(v, lowNibble);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), digitsOf(_mm_unpacklo_epi8(high, low)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16), digitsOf(_mm_unpackhi_epi8(high, low)));
    out += 32;
  }
#endif
  for (; std::endian::native == std::endian::little && i + 4 <= bytes.size(); i += 4) {
    uint32_t four;
    std::memcpy(&four, bytes.data() + i, 4);
    uint64_t spread = four;  // byte k of the four at byte 2k
    spread = (spread | spread << 16) & 0x0000FFFF0000FFFF;
    spread = (spread | spread << 8) & 0x00FF00FF00FF00FF;
    const uint64_t nibbles =
        (spread >> 4 & 0x000F000F000F000F) | (spread & 0x000F000F000F000F) << 8;
    const uint64_t tens = (nibbles + 6 * kEachByte) >> 4 & kEachByte;
    const uint64_t digits = nibbles + '0' * kEachByte + tens * letterGap;
    std::memcpy(out, &digits, 8);
    out += 8;
  }
  for (; i < bytes.size(); ++i) {
    std::memcpy(out, pairs + 2 * bytes[i], 2);
    out += 2;
  }
  return out;
}

std::string HexLines(std::span<const uint8_t> bytes) {
  constexpr std::size_t kBytesPerLine = 50;
  const std::size_t lines = (bytes.size() + kBytesPerLine - 1) / kBytesPerLine;
  std::string text(bytes.size() * 2 + (lines > 0 ? (lines - 1) * 2 : 0), '\0');
  char* out = text.data();
  for (std::size_t i = 0; i < bytes.size(); i += kBytesPerLine) {
    if (i > 0) {
      std::memcpy(out, "\r\n", 2);
      out += 2;
    }
    out = PutHex(bytes.subspan(i, std::min(kBytesPerLine, bytes.size() - i)), out,
                 HexCase::kLower);
  }
  return text;
}

}  // namespace qv
