// Where the tool finds its settings and data files. A player's own files win
// over those beside the executable, so that an installed tool, whose
// directory only an administrator may change, can be set up by every user.
// Each file is looked for in the player's folder first, then in the
// executable's directory.
//
//                                POSIX (XDG rules)         Windows
//   qvformat.ini                 ~/.config/qvformat        %APPDATA%\qvformat
//   item.txt, spell.txt, picture ~/.local/share/qvformat   %LOCALAPPDATA%\qvformat
//
// On POSIX systems XDG_CONFIG_HOME and XDG_DATA_HOME move the folders
// (posix/user_dirs.h). A variable that is unset, empty or not an absolute
// path gives no per-user folder, and only the executable's directory is
// searched.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace qv {

// The player's folders for settings and for data files, with a trailing
// separator, or empty when there is none.
std::string UserConfigDir();
std::string UserDataDir();

// The first of names (relative paths, tried in order) that exists in
// userDir, else the first that exists in programDir; programDir + the last
// name when none exists, so that the error names the executable's copy.
// An empty userDir is passed over.
std::string FindFile(const std::string& userDir, const std::string& programDir,
                     std::initializer_list<std::string_view> names);

// FindFile in the per-user data directory, then in programDir.
std::string FindDataFile(const std::string& programDir,
                         std::initializer_list<std::string_view> names);

}  // namespace qv
