// Where the tool finds its settings and data files. A player's own files win
// over those beside the executable, so that an installed tool, whose
// directory only root may change, can be set up by every user. Each file is
// looked for in the player's folder first, then in the executable's
// directory.
//
// On POSIX systems (posix/user_dirs.cc) the player's folders follow the XDG
// base-directory rules:
//
//   qvformat.ini                  $XDG_CONFIG_HOME/qvformat/ (default ~/.config/qvformat/)
//   item.txt, spell.txt, picture/ $XDG_DATA_HOME/qvformat/ (default ~/.local/share/qvformat/)
//
// An empty or relative XDG variable counts as unset, as the rules say;
// without an absolute HOME there is no default, and only the executable's
// directory is searched.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace qv {

// The XDG rule: the per-user directory of the tool, with a trailing "/": xdgValue +
// "/qvformat/" when xdgValue is absolute, else home + "/" + homeSubdir +
// "/qvformat/" when home is absolute, else empty (none). Null means unset.
std::string UserDir(const char* xdgValue, const char* home, std::string_view homeSubdir);

// The player's folders for settings and for data files, with a trailing
// "/", or empty when there is none. POSIX: UserDir of XDG_CONFIG_HOME
// (default .config) and XDG_DATA_HOME (default .local/share), from the
// environment.
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
