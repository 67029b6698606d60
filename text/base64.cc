#include "text/base64.h"

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

}  // namespace

void AppendBase64(std::span<const uint8_t> bytes, std::string& text) {
  // Whole groups of three bytes are encoded a block at a time and appended
  // (a map picture runs to megabytes: the text is never filled twice).
  constexpr std::size_t kBlockGroups = 1024;
  char block[4 * kBlockGroups];
  std::size_t i = 0;
  while (i + 3 <= bytes.size()) {
    char* out = block;
    for (std::size_t n = 0; n < kBlockGroups && i + 3 <= bytes.size(); ++n, i += 3) {
      const uint32_t group =
          uint32_t{bytes[i]} << 16 | uint32_t{bytes[i + 1]} << 8 | bytes[i + 2];
      std::memcpy(out, kPairs.pair[group >> 12], 2);
      std::memcpy(out + 2, kPairs.pair[group & 0xFFF], 2);
      out += 4;
    }
    text.append(block, static_cast<std::size_t>(out - block));
  }
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
