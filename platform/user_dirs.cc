#include "platform/user_dirs.h"

#include "platform/input_file.h"
#include "platform/path_names.h"

namespace qv {

std::vector<std::string> FilePlaces(const std::string& userDir, const std::string& programDir,
                                    std::initializer_list<std::string_view> names) {
  std::vector<std::string> places;
  if (!userDir.empty())
    for (const std::string_view name : names) places.push_back(userDir + SystemSeparators(name));
  for (const std::string_view name : names) places.push_back(programDir + SystemSeparators(name));
  return places;
}

std::string FindFile(const std::string& userDir, const std::string& programDir,
                     std::initializer_list<std::string_view> names) {
  for (std::string& path : FilePlaces(userDir, programDir, names))
    if (PathExists(path)) return path;
  return programDir + SystemSeparators(*(names.end() - 1));
}

std::string FindDataFile(const std::string& programDir,
                         std::initializer_list<std::string_view> names) {
  return FindFile(UserDataDir(), programDir, names);
}

std::string QuotedPaths(const std::vector<std::string>& paths) {
  std::string text;
  for (const std::string& path : paths) text += (text.empty() ? "'" : ", '") + path + "'";
  return text;
}

}  // namespace qv
