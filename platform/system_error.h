// The system's error codes: errno on POSIX systems, GetLastError() (or a
// Winsock or SSPI code) on Windows, each in the system's own words.
#pragma once

#include <string>

namespace qv {

// The code of the system call that just failed.
int LastSystemError();

// The system's words for a code, in the locale's language and character set
// (strerror; FormatMessageW without its line end and final full stop, as
// UTF-8 like every name on Windows); "rendszerhiba N" when it has none.
std::string SystemErrorText(int code);

// A file, or a folder on its path, that does not exist.
bool IsMissingFileError(int code);

// A file another program holds open (only Windows refuses such a file).
bool IsFileInUseError(int code);

}  // namespace qv
