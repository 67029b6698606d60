// The running system's own words for the errors tests name. The tool gives
// a reason the system states as the system words it, so an expected text
// that holds one takes it from here.
#pragma once

#include <string>

namespace qv::test {

// The words for "ENOENT" (a file not found) or "ECONNREFUSED" (a connection
// refused): strerror() of that errno value on POSIX systems; on Windows
// FormatMessageW of ERROR_FILE_NOT_FOUND or WSAECONNREFUSED without its
// line end and final full stop, as UTF-8 (as the tool carries the system's
// messages there).
std::string SystemWords(const std::string& name);

// The text with every "{ENOENT}" and "{ECONNREFUSED}" replaced by
// SystemWords of that name.
std::string WithSystemWords(std::string text);

}  // namespace qv::test
