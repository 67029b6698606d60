#include "platform/exe_dir.h"

namespace qv {

std::string ResolveBesideExecutable(const std::string& name, const std::string& exeDir) {
  // Settings names written for Windows ("C:\...") are taken as they are too.
  if (name.starts_with('/') || name.find(":\\") != std::string::npos) return name;
  return exeDir + name;
}

}  // namespace qv
