#include "platform/exe_dir.h"

namespace qv {

std::string ResolveBesideExecutable(const std::string& name, const std::string& exeDir) {
  // Settings names written for Windows ("C:\...") are taken as they are too.
  if (name.starts_with('/') || name.find(":\\") != std::string::npos) return name;
#ifdef _WIN32
  // There also "\\server\share\..." and "C:/...".
  if (name.starts_with('\\') || name.find(":/") != std::string::npos) return name;
#endif
  return exeDir + name;
}

}  // namespace qv
