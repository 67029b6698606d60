// The player's own folders, where an installed tool, whose directory only an
// administrator may change, finds the files each user sets it up with
// (config/file_places.h searches them):
//
//                                POSIX (XDG rules)         Windows
//   settings                     ~/.config/qvformat        %APPDATA%\qvformat
//   data lists and pictures      ~/.local/share/qvformat   %LOCALAPPDATA%\qvformat
//   notes kept to save time      ~/.cache/qvformat         %LOCALAPPDATA%\qvformat
//
// On POSIX systems XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_CACHE_HOME move
// the folders (posix/user_dirs.h). A variable that is unset, empty or not an
// absolute path gives no per-user folder.
#pragma once

#include <string>

namespace qv {

// The player's folders for settings, data files and notes, with a trailing
// separator, or empty when there is none.
std::string UserConfigDir();
std::string UserDataDir();
std::string UserCacheDir();

}  // namespace qv
