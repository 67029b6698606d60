#include "platform/posix/user_dirs.h"

#include "platform/environment.h"
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
  return UserDir(EnvironmentText("XDG_CONFIG_HOME").c_str(), EnvironmentText("HOME").c_str(),
                 ".config");
}

std::string UserDataDir() {
  return UserDir(EnvironmentText("XDG_DATA_HOME").c_str(), EnvironmentText("HOME").c_str(),
                 ".local/share");
}

std::string UserCacheDir() {
  return UserDir(EnvironmentText("XDG_CACHE_HOME").c_str(), EnvironmentText("HOME").c_str(),
                 ".cache");
}

}  // namespace qv
