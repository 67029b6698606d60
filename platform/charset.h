#pragma once

#include <string>

namespace qv {

// Converts text between character sets with iconv. Bytes that cannot be
// converted become "?". Throws qv::Error when a set is unknown.
std::string Transcode(const std::string& text, const char* from, const char* to);

std::string Cp1250ToUtf8(const std::string& text);
std::string Utf8ToCp1250(const std::string& text);

// The character set of the current LC_CTYPE locale (nl_langinfo(CODESET)).
std::string LocaleCharset();

}  // namespace qv
