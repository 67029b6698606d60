// The user name and password as the site expects them.
#pragma once

#include <string>

namespace qv {

// Command-line text arrives in the locale's character set (charset, as
// LocaleCharset gives it); the site's pages send Windows-1250. Plain ASCII,
// the C locale's ASCII and Windows-1250 itself pass unchanged; a character
// Windows-1250 lacks becomes "?".
std::string CommandLineTextToCp1250(const std::string& text, const std::string& charset);

}  // namespace qv
