#include "platform/user_dirs.h"

#include "platform/input_file.h"

namespace qv {

std::string FindFile(const std::string& userDir, const std::string& programDir,
                     std::initializer_list<std::string_view> names) {
  const auto first = [names](const std::string& dir) {
    for (const std::string_view name : names) {
      std::string path = dir + std::string(name);
      if (PathExists(path)) return path;
    }
    return std::string();
  };
  std::string path = userDir.empty() ? std::string() : first(userDir);
  if (path.empty()) path = first(programDir);
  if (path.empty()) path = programDir + std::string(*(names.end() - 1));
  return path;
}

std::string FindDataFile(const std::string& programDir,
                         std::initializer_list<std::string_view> names) {
  return FindFile(UserDataDir(), programDir, names);
}

}  // namespace qv
