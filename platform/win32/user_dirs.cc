#include "platform/user_dirs.h"

#include "platform/environment.h"

namespace qv {
namespace {

// The folder a variable names + "qvformat\", or empty when it is unset or
// relative ("C:\..." and "\\server\..." are absolute). Any user name
// serves: the folder's name reaches the tool whole (platform/win32/wide.h).
std::string UserDir(const char* variable) {
  std::string dir = EnvironmentText(variable);
  const bool drive = dir.size() >= 3 && dir[1] == ':' && (dir[2] == '\\' || dir[2] == '/');
  const bool share = dir.starts_with("\\\\");
  if (!drive && !share) return std::string();
  if (dir.back() != '\\' && dir.back() != '/') dir += '\\';
  return dir + "qvformat\\";
}

}  // namespace

std::string UserConfigDir() { return UserDir("APPDATA"); }

std::string UserDataDir() { return UserDir("LOCALAPPDATA"); }

std::string UserCacheDir() { return UserDir("LOCALAPPDATA"); }

}  // namespace qv
