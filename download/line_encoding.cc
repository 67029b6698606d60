#include "download/line_encoding.h"

#include <array>

#include "platform/charset.h"
#include "rtfkit/cp1250.h"

namespace qv {
namespace {

// Byte tables of the 8-bit mode, built from the Windows-1250 code points.
// Bytes that Windows-1250 leaves unused stand for the control character of
// the same number, as the Windows tables have it.
struct EightBitTables {
  std::array<unsigned char, 256> send{};
  std::array<unsigned char, 256> receive{};

  EightBitTables() {
    for (int b = 0; b < 256; ++b) receive[b] = b < 0x80 ? b : '?';
    for (int b = 0; b < 256; ++b) {
      char32_t cp = b < 0x80 ? b : cp1250_detail::kHighHalf[b - 0x80];
      if (cp == 0 && b >= 0x80) cp = b;
      if (cp <= 0xFF) {
        send[b] = static_cast<unsigned char>(cp);
        receive[cp] = static_cast<unsigned char>(b);
      } else {
        send[b] = '?';
      }
    }
  }
};

const EightBitTables& Tables() {
  static const EightBitTables tables;
  return tables;
}

std::string MapBytes(const std::string& text, const std::array<unsigned char, 256>& table) {
  std::string out(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i)
    out[i] = static_cast<char>(table[static_cast<unsigned char>(text[i])]);
  return out;
}

}  // namespace

std::string EncodeForWire(const std::string& text, TextEncoding encoding) {
  if (encoding == TextEncoding::kUtf8) return Cp1250ToUtf8(text);
  return MapBytes(text, Tables().send);
}

std::string DecodeFromWire(const std::string& bytes, TextEncoding encoding) {
  if (encoding == TextEncoding::kUtf8) return Utf8ToCp1250(bytes);
  return MapBytes(bytes, Tables().receive);
}

}  // namespace qv
