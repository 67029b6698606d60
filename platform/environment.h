// The process's environment variables as text.
#pragma once

#include <optional>
#include <string>

namespace qv {

// A variable's value ("" when it is not set), in the character set of
// command-line values: the locale's on POSIX systems, Windows-1250 on
// Windows (read as UTF-16 there; a character Windows-1250 lacks is "?").
std::string EnvironmentText(const char* name);

// The same, or nothing when the variable is not set: an empty value is a
// value (an empty PATH names the current folder).
std::optional<std::string> EnvironmentValue(const char* name);

}  // namespace qv
