#include "platform/encoding.h"

#include <array>

namespace qv {
namespace {

// Byte tables between Windows-1250 and Latin-1, built from the code points.
struct Latin1Tables {
  std::array<unsigned char, 256> fromCp1250{};
  std::array<unsigned char, 256> toCp1250{};

  Latin1Tables() {
    for (int b = 0; b < 256; ++b) toCp1250[b] = b < 0x80 ? b : '?';
    for (int b = 0; b < 256; ++b) {
      char32_t cp = b < 0x80 ? b : kCp1250HighHalf[b - 0x80];
      if (cp == 0 && b >= 0x80) cp = b;
      if (cp <= 0xFF) {
        fromCp1250[b] = static_cast<unsigned char>(cp);
        toCp1250[cp] = static_cast<unsigned char>(b);
      } else {
        fromCp1250[b] = '?';
      }
    }
  }
};

const Latin1Tables& Latin1() {
  static const Latin1Tables tables;
  return tables;
}

std::string MapBytes(const std::string& text, const std::array<unsigned char, 256>& table) {
  std::string out(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i)
    out[i] = static_cast<char>(table[static_cast<unsigned char>(text[i])]);
  return out;
}

}  // namespace

std::string Cp1250ToLatin1(const std::string& text) { return MapBytes(text, Latin1().fromCp1250); }

std::string Latin1ToCp1250(const std::string& bytes) { return MapBytes(bytes, Latin1().toCp1250); }

bool IsUtf8Charset(const std::string& charset) {
  std::string upper = charset;
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper == "UTF-8" || upper == "UTF8";
}

}  // namespace qv
