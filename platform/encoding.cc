#include "platform/encoding.h"

#include <array>

#include "platform/error.h"

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

bool IsAscii(const std::string& text) {
  for (const char ch : text)
    if (static_cast<unsigned char>(ch) >= 0x80) return false;
  return true;
}

// Windows-1250 to UTF-16 and back. A byte Windows-1250 leaves unused
// stands for the control character of the same number, as in Windows'
// tables, so every byte string makes the round trip.
struct Utf16Tables {
  char16_t fromCp1250[256];
  std::array<unsigned char, 0x10000> toCp1250{};  // 0: no byte (but 0 for U+0000)

  Utf16Tables() {
    for (int b = 0; b < 256; ++b) {
      fromCp1250[b] = Cp1250ToUtf16Unit(static_cast<unsigned char>(b));
      toCp1250[fromCp1250[b]] = static_cast<unsigned char>(b);
    }
  }
};

const Utf16Tables& Utf16() {
  static const Utf16Tables tables;
  return tables;
}

}  // namespace

std::u16string Cp1250ToUtf16(std::string_view text) {
  const Utf16Tables& t = Utf16();
  std::u16string out(text.size(), u'\0');
  for (std::size_t i = 0; i < text.size(); ++i)
    out[i] = t.fromCp1250[static_cast<unsigned char>(text[i])];
  return out;
}

bool Utf16ToCp1250(std::u16string_view text, std::string* out) {
  const Utf16Tables& t = Utf16();
  out->assign(text.size(), '\0');
  std::size_t n = 0;
  bool whole = true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    const unsigned char byte = t.toCp1250[unit];
    if (byte != 0 || unit == 0) {
      (*out)[n++] = static_cast<char>(byte);
      continue;
    }
    whole = false;
    (*out)[n++] = '?';
    // A surrogate pair is one character: one "?".
    if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000)
      ++i;
  }
  out->resize(n);
  return whole;
}

bool CodePointToCp1250(char32_t codePoint, char* byte) {
  if (codePoint > 0xFFFF) return false;
  const unsigned char b = Utf16().toCp1250[codePoint];
  if (b == 0 && codePoint != 0) return false;
  *byte = static_cast<char>(b);
  return true;
}

std::string LocaleTextToCp1250(const std::string& text, const std::string& charset) {
  std::string set = charset;
  for (char& c : set)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (IsAscii(text) || set.empty() || set == "ANSI_X3.4-1968" || set == "ASCII" ||
      set == "US-ASCII" || set == "CP1250" || set == "WINDOWS-1250")
    return text;
  try {
    return Transcode(text, charset.c_str(), "WINDOWS-1250");
  } catch (const Error&) {
    return text;
  }
}

std::string LocaleTextToCp1250(const std::string& text) {
  return LocaleTextToCp1250(text, LocaleCharset());
}

std::string Cp1250ToLatin1(const std::string& text) { return MapBytes(text, Latin1().fromCp1250); }

std::string Latin1ToCp1250(const std::string& bytes) { return MapBytes(bytes, Latin1().toCp1250); }

bool IsUtf8Charset(const std::string& charset) {
  std::string upper = charset;
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper == "UTF-8" || upper == "UTF8";
}

}  // namespace qv
