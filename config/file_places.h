// Where the tool finds its settings and data files. A player's own files win
// over those beside the executable, so that an installed tool, whose
// directory only an administrator may change, can be set up by every user.
// Each file is looked for in the player's folder first (platform/user_dirs.h),
// then in the executable's directory.
//
//                                POSIX (XDG rules)         Windows
//   qvformat.ini                 ~/.config/qvformat        %APPDATA%\qvformat
//   item.txt, spell.txt, picture ~/.local/share/qvformat   %LOCALAPPDATA%\qvformat
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Every place a file is looked for, in order: each of names (relative
// paths written with "/", tried in order) in userDir, then each in
// programDir, with the system's separators (SystemSeparators). An empty
// userDir is passed over.
std::vector<std::string> FilePlaces(const std::string& userDir, const std::string& programDir,
                                    std::initializer_list<std::string_view> names);

// The first of places that exists; none when none does.
std::optional<std::string> FirstExisting(const std::vector<std::string>& places);

// Paths for a message: each in single quotes, separated by ", ".
std::string QuotedPaths(const std::vector<std::string>& paths);

// What a file found nowhere is told: "<what> nem talalhato; kerestem itt: "
// and every place looked, quoted; with currentFolderFirst the current
// folder is named before them ("kerestem az aktualis mappaban, majd itt: ").
std::string NotFoundText(const std::string& what, const std::vector<std::string>& places,
                         bool currentFolderFirst = false);

// A data file (the item and spell lists, the pictures) of names, looked for
// in the player's data directory, then in programDir. Throws qv::Error of
// errorKind with NotFoundText(what, every place looked) when none exists.
std::string RequireDataFile(const char* errorKind, const std::string& what,
                            const std::string& programDir,
                            std::initializer_list<std::string_view> names);

// A map picture (`relative` under picture/, written with "/") as
// RequireDataFile finds it, named by its file name when found nowhere: what
// the map pictures are loaded with (maps/map_resources.h).
std::string FindPicture(const std::string& programDir, std::string_view relative);

// Where the label font's search is noted for the next runs: "label-font" in
// the player's folder for notes (platform/user_dirs.h); empty without one.
std::string LabelFontNoteFile();

}  // namespace qv
