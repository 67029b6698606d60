// Asking the user for a secret on the terminal.
#pragma once

#include <string>

namespace qv {

// True when standard input is a terminal (a console on Windows).
bool InputIsTerminal();

// Shows prompt on the standard error stream, reads one line from standard
// input without showing what is typed, and ends the line. The text is the
// tool's own on Windows (Windows-1250); on POSIX systems it is in the
// locale's character set, as a command-line value is. Empty at the end of
// input.
std::string ReadHiddenLine(const std::string& prompt);

}  // namespace qv
