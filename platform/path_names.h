// The parts of a path as the system writes them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

// Where the file's own name starts in a path: after its last separator,
// "/" on POSIX systems, "/", "\" or a drive's ":" on Windows; 0 for a bare
// name.
std::size_t FileNameStart(const std::string& path);

// A relative path written with "/" as the system writes it: with "\" on
// Windows, unchanged elsewhere.
std::string SystemSeparators(std::string_view path);

// True for a name that does not depend on the current folder: starting with
// "/" or holding ":\" (a name written for Windows) on every system, and on
// Windows also starting with "\" or holding ":/".
bool IsAbsolutePath(const std::string& name);

}  // namespace qv
