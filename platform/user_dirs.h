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
#include <vector>

namespace qv {

// The player's folders for settings and for data files, with a trailing
// separator, or empty when there is none.
std::string UserConfigDir();
std::string UserDataDir();

// Every place a file is looked for, in order: each of names (relative
// paths written with "/", tried in order) in userDir, then each in
// programDir, with the system's separators (SystemSeparators). An empty
// userDir is passed over.
std::vector<std::string> FilePlaces(const std::string& userDir, const std::string& programDir,
                                    std::initializer_list<std::string_view> names);

// The first of FilePlaces that exists; programDir + the last name when none
// exists, so that the error names the executable's copy.
std::string FindFile(const std::string& userDir, const std::string& programDir,
                     std::initializer_list<std::string_view> names);

// Paths for a message: each in single quotes, separated by ", ".
std::string QuotedPaths(const std::vector<std::string>& paths);

// FindFile in the per-user data directory, then in programDir.
std::string FindDataFile(const std::string& programDir,
                         std::initializer_list<std::string_view> names);

}  // namespace qv
