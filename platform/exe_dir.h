#pragma once

#include <string>

namespace qv {

// Directory of the running executable, with its trailing separator ("/", or
// "\" on Windows). Settings, data files and picture/ are looked for there.
std::string ExecutableDir();

}  // namespace qv
