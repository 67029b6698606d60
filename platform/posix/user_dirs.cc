#include "platform/user_dirs.h"

#include <sys/stat.h>

#include <cstdlib>

namespace qv {
namespace {

bool Absolute(const char* path) { return path != nullptr && path[0] == '/'; }

bool Exists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0;
}

}  // namespace

std::string UserDir(const char* xdgValue, const char* home, std::string_view homeSubdir) {
  std::string dir;
  if (Absolute(xdgValue)) {
    dir = xdgValue;
  } else if (Absolute(home)) {
    dir = home;
    dir += '/';
    dir += homeSubdir;
  } else {
    return dir;
  }
  dir += "/qvformat/";
  return dir;
}

std::string UserConfigDir() {
  return UserDir(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), ".config");
}

std::string UserDataDir() {
  return UserDir(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), ".local/share");
}

std::string FindFile(const std::string& userDir, const std::string& programDir,
                     std::initializer_list<std::string_view> names) {
  const auto first = [names](const std::string& dir) {
    for (const std::string_view name : names) {
      std::string path = dir + std::string(name);
      if (Exists(path)) return path;
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
