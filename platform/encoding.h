// Character sets: the tool's texts are Windows-1250 bytes; the terminal, the
// command line and file names use the locale's character set, and the
// download's wire uses Latin-1 or UTF-8. Every conversion between them is
// here.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// Unicode code points of the bytes 0x80..0xFF of Windows-1250 (0 = unused).
inline constexpr char32_t kCp1250HighHalf[128] = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

// Converts text between character sets (iconv on POSIX systems; on
// Windows UTF-8 and Windows-1250 only). Bytes that cannot be
// converted become "?". Throws qv::Error when a set is unknown.
std::string Transcode(const std::string& text, const char* from, const char* to);

std::string Cp1250ToUtf8(const std::string& text);
std::string Utf8ToCp1250(const std::string& text);

// One byte per character, code points 0-255 as themselves. A Windows-1250
// character above 255 (ő, ű, Š, €, ...) becomes "?"; a Latin-1 byte that
// Windows-1250 lacks becomes "?". Bytes Windows-1250 leaves unused stand for
// the control character of the same number, as the Windows tables have it.
std::string Cp1250ToLatin1(const std::string& text);
std::string Latin1ToCp1250(const std::string& bytes);

// Windows-1250 as UTF-16, for the system's wide-character calls. A byte
// that Windows-1250 leaves unused stands for the control character of the
// same number (as Windows' own tables have it), so every text converts.
std::u16string Cp1250ToUtf16(std::string_view text);
inline constexpr char16_t Cp1250ToUtf16Unit(unsigned char byte) {
  if (byte < 0x80 || kCp1250HighHalf[byte - 0x80] == 0) return byte;
  return static_cast<char16_t>(kCp1250HighHalf[byte - 0x80]);
}
// UTF-16 as Windows-1250 into *out; false when a character has no byte
// there (it becomes "?", a surrogate pair one "?").
bool Utf16ToCp1250(std::u16string_view text, std::string* out);
// The Windows-1250 byte of a Unicode code point into *byte; false when
// Windows-1250 has none.
bool CodePointToCp1250(char32_t codePoint, char* byte);

// The character set of the current LC_CTYPE locale (nl_langinfo(CODESET));
// on Windows the tool's own set, WINDOWS-1250, since the command line and
// file names reach the tool converted to it.
std::string LocaleCharset();
bool IsUtf8Charset(const std::string& charset);

// Text in the locale's character set (command-line values, the locale's
// own words) as Windows-1250. Plain ASCII, the C locale's ASCII (which says
// nothing about bytes above 127) and Windows-1250 itself pass unchanged, as
// does text of a set iconv does not know; a character Windows-1250 lacks
// becomes "?".
std::string LocaleTextToCp1250(const std::string& text, const std::string& charset);
std::string LocaleTextToCp1250(const std::string& text);

}  // namespace qv
