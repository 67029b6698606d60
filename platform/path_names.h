// The parts of a path as the system writes them.
#pragma once

#include <cstddef>
#include <string>

namespace qv {

// Where the file's own name starts in a path: after its last separator,
// "/" on POSIX systems, "/", "\" or a drive's ":" on Windows; 0 for a bare
// name.
std::size_t FileNameStart(const std::string& path);

}  // namespace qv
