#include "text/base64.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace qv {

std::string Base64(std::span<const uint8_t> bytes) {
  std::string text;
  AppendBase64(bytes, text);
  return text;
}

namespace {

constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The two digits of every 12 bits, so that three bytes take two lookups.
struct DigitPairs {
  char pair[4096][2];
};

constexpr DigitPairs MakeDigitPairs() {
  DigitPairs pairs{};
  for (int v = 0; v < 4096; ++v) {
    pairs.pair[v][0] = kDigits[v >> 6];
    pairs.pair[v][1] = kDigits[v & 0x3F];
  }
  return pairs;
}

constexpr DigitPairs kPairs = MakeDigitPairs();

// The eight bytes at `at` as a number, the first byte the highest.
inline uint64_t BigEndianWord(const uint8_t* at) {
  uint64_t w;
  std::memcpy(&w, at, sizeof w);
  if constexpr (std::endian::native == std::endian::little) {
#if defined(__GNUC__)
    return __builtin_bswap64(w);
#else
    uint64_t swapped = 0;
    for (int i = 0; i < 8; ++i, w >>= 8) swapped = swapped << 8 | (w & 0xFF);
    return swapped;
#endif
  }
  return w;
}

}  // namespace

void AppendBase64(std::span<const uint8_t> bytes, std::string& text) {
  // Whole groups of three bytes are encoded a block at a time and appended
  // (a map picture runs to megabytes: the text is never filled twice); two
  // groups make eight digits, put down as one word.
  constexpr std::size_t kBlockGroups = 1024;  // even
  char block[4 * kBlockGroups];
  const uint8_t* in = bytes.data();
  const uint8_t* const end = in + bytes.size();
  const std::size_t groups = bytes.size() / 3;
  for (std::size_t done = 0; done < groups;) {
    const std::size_t n = std::min(kBlockGroups, groups - done);
    char* out = block;
    for (std::size_t k = 0; k + 2 <= n; k += 2, in += 6, out += 8) {
      // The six bytes as one number, the first the highest: eight are read
      // at once where eight lie ahead, the two after them left out.
      const uint64_t six = in + 8 <= end ? BigEndianWord(in) >> 16
                                         : uint64_t{in[0]} << 40 | uint64_t{in[1]} << 32 |
                                               uint64_t{in[2]} << 24 | uint64_t{in[3]} << 16 |
                                               uint64_t{in[4]} << 8 | in[5];
      char digits[8];
      std::memcpy(digits, kPairs.pair[six >> 36], 2);
      std::memcpy(digits + 2, kPairs.pair[(six >> 24) & 0xFFF], 2);
      std::memcpy(digits + 4, kPairs.pair[(six >> 12) & 0xFFF], 2);
      std::memcpy(digits + 6, kPairs.pair[six & 0xFFF], 2);
      std::memcpy(out, digits, 8);
    }
    if (n % 2 != 0) {
      const uint32_t group = uint32_t{in[0]} << 16 | uint32_t{in[1]} << 8 | in[2];
      std::memcpy(out, kPairs.pair[group >> 12], 2);
      std::memcpy(out + 2, kPairs.pair[group & 0xFFF], 2);
      in += 3;
      out += 4;
    }
    text.append(block, static_cast<std::size_t>(out - block));
    done += n;
  }
  const std::size_t i = groups * 3;
  // One or two bytes left: their digits, then "=" for each missing byte.
  const std::size_t left = bytes.size() - i;
  if (left > 0) {
    uint32_t group = uint32_t{bytes[i]} << 16;
    if (left == 2) group |= uint32_t{bytes[i + 1]} << 8;
    text += kDigits[(group >> 18) & 0x3F];
    text += kDigits[(group >> 12) & 0x3F];
    text += left == 2 ? kDigits[(group >> 6) & 0x3F] : '=';
    text += '=';
  }
}

}  // namespace qv
