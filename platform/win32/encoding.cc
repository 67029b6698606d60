// Character sets on Windows: the tool's Windows-1250 and UTF-8, through
// UTF-16.
#include "platform/encoding.h"

#include <windows.h>

#include "platform/error.h"

namespace qv {
namespace {

bool IsCp1250Name(const std::string& charset) {
  std::string upper = charset;
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper == "WINDOWS-1250" || upper == "CP1250";
}

std::u16string Utf8ToUtf16(const std::string& text) {
  if (text.empty()) return {};
  // Invalid sequences become U+FFFD, which Windows-1250 shows as "?".
  const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0);
  std::u16string out(static_cast<std::size_t>(n), u'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                      reinterpret_cast<wchar_t*>(out.data()), n);
  return out;
}

std::string Utf16ToUtf8(const std::u16string& text) {
  if (text.empty()) return {};
  const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(text.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

// As text, the bytes Windows-1250 leaves unused are no characters: "?", as
// iconv has them.
std::u16string Cp1250ToText(const std::string& text) {
  std::u16string wide = Cp1250ToUtf16(text);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    if (b >= 0x80 && kCp1250HighHalf[b - 0x80] == 0) wide[i] = u'?';
  }
  return wide;
}

// Only UTF-8 and Windows-1250 are known here.
Error UnknownCharset(const char* from, const char* to) {
  return Error(error_kind::kCharset,
               std::string("nem alakithato at: ") + from + " -> " + to + ": ismeretlen kodolas");
}

}  // namespace

std::string Transcode(const std::string& text, const char* from, const char* to) {
  std::u16string wide;
  std::string out;
  if (IsUtf8Charset(from))
    wide = Utf8ToUtf16(text);
  else if (IsCp1250Name(from))
    wide = Cp1250ToText(text);
  else
    throw UnknownCharset(from, to);
  if (IsUtf8Charset(to)) return Utf16ToUtf8(wide);
  if (IsCp1250Name(to)) {
    Utf16ToCp1250(wide, &out);
    return out;
  }
  throw UnknownCharset(from, to);
}

std::string Cp1250ToUtf8(const std::string& text) {
  return Transcode(text, "WINDOWS-1250", "UTF-8");
}

std::string Utf8ToCp1250(const std::string& text) {
  return Transcode(text, "UTF-8", "WINDOWS-1250");
}

// Names, parameters and the system's messages reach the tool as UTF-8
// (platform/win32/wide.h).
std::string LocaleCharset() { return "UTF-8"; }

}  // namespace qv
