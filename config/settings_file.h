// Where the tool's settings file is: the player's own (platform/user_dirs.h)
// when there is one, else the one beside the executable; and the file the
// item-list page's "/ini=" option names.
#pragma once

#include <string>

namespace qv {

inline constexpr char kSettingsFileName[] = "qvformat.ini";

// The settings file a run reads: the player's own when it exists, else the
// one beside the executable, which reads as empty when it is missing too.
std::string SettingsPath(const std::string& programDir);

// The settings file players are told to write a setting in: their own
// (UserConfigDir), or the one beside the executable when they have no
// per-user folder.
std::string SettingsFileToEdit(const std::string& programDir);

// The item-list page's settings file: without "/ini=" the one SettingsPath
// finds. An absolute "/ini=" name is taken as it is; a relative one is
// looked for in the current folder, then in the per-user settings folder,
// then beside the executable. A "/ini=" file found nowhere throws qv::Error
// naming every place looked.
std::string PageSettingsPath(const std::string& iniOption, const std::string& programDir);

}  // namespace qv
