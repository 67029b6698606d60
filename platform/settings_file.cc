#include "platform/settings_file.h"

#include "platform/user_dirs.h"

namespace qv {

std::string SettingsPath(const std::string& programDir) {
  return FindFile(UserConfigDir(), programDir, {kSettingsFileName});
}

std::string SettingsFileToEdit(const std::string& programDir) {
  const std::string userDir = UserConfigDir();
  return (userDir.empty() ? programDir : userDir) + kSettingsFileName;
}

}  // namespace qv
