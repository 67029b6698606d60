// Where the tool's settings file is: the player's own (platform/user_dirs.h)
// when there is one, else the one beside the executable.
#pragma once

#include <string>

namespace qv {

inline constexpr char kSettingsFileName[] = "qvformat.ini";
std::string SettingsPath(const std::string& programDir);

// The settings file players are told to write a setting in: their own
// (UserConfigDir), or the one beside the executable when they have no
// per-user folder.
std::string SettingsFileToEdit(const std::string& programDir);

}  // namespace qv
