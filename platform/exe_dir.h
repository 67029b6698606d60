#pragma once

#include <string>

namespace qv {

// Directory of the running executable, with a trailing "/". Settings, data
// files and picture/ are looked for there.
std::string ExecutableDir();

// Resolves a settings-file name given on the command line: absolute when it
// starts with "/" or holds ":\", otherwise relative to the executable's
// directory.
std::string ResolveBesideExecutable(const std::string& name, const std::string& exeDir);

}  // namespace qv
