#include "config/settings_file.h"

#include <optional>

#include "config/file_places.h"
#include "platform/error.h"
#include "platform/input_file.h"
#include "platform/path_names.h"
#include "platform/user_dirs.h"

namespace qv {

std::string SettingsPath(const std::string& programDir) {
  const std::optional<std::string> found =
      FirstExisting(FilePlaces(UserConfigDir(), programDir, {kSettingsFileName}));
  return found ? *found : programDir + kSettingsFileName;
}

std::string SettingsFileToEdit(const std::string& programDir) {
  const std::string userDir = UserConfigDir();
  return (userDir.empty() ? programDir : userDir) + kSettingsFileName;
}

std::string PageSettingsPath(const std::string& iniOption, const std::string& programDir) {
  if (iniOption.empty()) return SettingsPath(programDir);
  if (IsAbsolutePath(iniOption)) {
    if (PathExists(iniOption)) return iniOption;
    throw Error(error_kind::kSettings, "a /ini= beallitasfajlja ('" + iniOption + "') nem letezik");
  }
  if (PathExists(iniOption)) return iniOption;
  const std::vector<std::string> places = FilePlaces(UserConfigDir(), programDir, {iniOption});
  if (std::optional<std::string> path = FirstExisting(places)) return *path;
  throw Error(error_kind::kSettings,
              NotFoundText("a /ini= beallitasfajlja ('" + iniOption + "')", places, true));
}

}  // namespace qv
