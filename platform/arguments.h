// The process's command-line parameters as the tool's text.
#pragma once

#include <string>
#include <vector>

namespace qv {

// The parameters without the program's own path. On POSIX systems they are
// argv as given (the locale's character set); on Windows the command line
// is read as UTF-16 and converted to Windows-1250, and a parameter holding a
// character Windows-1250 lacks is refused by name (qv::Error), since no file
// of that name could be found again.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace qv
