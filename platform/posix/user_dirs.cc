#include "platform/posix/user_dirs.h"

#include <cstdlib>

#include "platform/user_dirs.h"

namespace qv {
namespace {

bool Absolute(const char* path) { return path != nullptr && path[0] == '/'; }

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

}  // namespace qv
