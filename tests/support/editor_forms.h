// A text as a player's editor saves it: the forms Notepad offers
// (Windows-1250, UTF-8 with and without a byte-order mark, UTF-16 with one,
// and UTF-16 big-endian), each with CR LF, LF or CR line ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/encoding.h"

namespace qv::test {

// UTF-8 text as UTF-16 bytes (no byte-order mark); the UTF-8 must be valid.
inline std::string Utf16Bytes(std::string_view utf8, bool bigEndian) {
  std::string out;
  auto unit = [&out, bigEndian](char32_t u) {
    const char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
  };
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) cp = (cp << 6) | (utf8[i + k] & 0x3F);
    i += length;
    if (cp < 0x10000) {
      unit(cp);
    } else {
      unit(0xD800 + ((cp - 0x10000) >> 10));
      unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
    }
  }
  return out;
}

struct EditorForm {
  std::string name;  // for failure messages
  std::string bytes;
};

// Every form of utf8Text, whose lines end with "\n": Windows-1250 (only when
// it holds no character Windows-1250 lacks), UTF-8, UTF-8 with a mark,
// UTF-16 LE and BE with a mark, each with CR LF, LF and CR alone.
inline std::vector<EditorForm> EditorForms(std::string_view utf8Text, bool withCp1250 = true) {
  std::vector<EditorForm> forms;
  for (const std::string_view eol : {"\r\n", "\n", "\r"}) {
    std::string text;
    for (const char c : utf8Text) {
      if (c == '\n')
        text += eol;
      else
        text += c;
    }
    const std::string ends = eol == "\r\n" ? " CR LF" : eol == "\n" ? " LF" : " CR";
    if (withCp1250) forms.push_back({"Windows-1250" + ends, Utf8ToCp1250(text)});
    forms.push_back({"UTF-8" + ends, text});
    forms.push_back({"UTF-8 with mark" + ends, "\xEF\xBB\xBF" + text});
    forms.push_back({"UTF-16 LE" + ends, "\xFF\xFE" + Utf16Bytes(text, false)});
    forms.push_back({"UTF-16 BE" + ends, "\xFE\xFF" + Utf16Bytes(text, true)});
  }
  return forms;
}

}  // namespace qv::test
