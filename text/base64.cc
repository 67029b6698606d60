#include "text/base64.h"

namespace qv {

std::string Base64(std::span<const uint8_t> bytes) {
  std::string text;
  AppendBase64(bytes, text);
  return text;
}

void AppendBase64(std::span<const uint8_t> bytes, std::string& text) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
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
      out[0] = kDigits[group >> 18];
      out[1] = kDigits[(group >> 12) & 0x3F];
      out[2] = kDigits[(group >> 6) & 0x3F];
      out[3] = kDigits[group & 0x3F];
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
