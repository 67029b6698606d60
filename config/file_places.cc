#include "config/file_places.h"

#include "platform/error.h"
#include "platform/input_file.h"
#include "platform/path_names.h"
#include "platform/user_dirs.h"

namespace qv {

std::vector<std::string> FilePlaces(const std::string& userDir, const std::string& programDir,
                                    std::initializer_list<std::string_view> names) {
  std::vector<std::string> places;
  if (!userDir.empty())
    for (const std::string_view name : names) places.push_back(userDir + SystemSeparators(name));
  for (const std::string_view name : names) places.push_back(programDir + SystemSeparators(name));
  return places;
}

std::optional<std::string> FirstExisting(const std::vector<std::string>& places) {
  for (const std::string& path : places)
    if (PathExists(path)) return path;
  return std::nullopt;
}

std::string QuotedPaths(const std::vector<std::string>& paths) {
  std::string text;
  for (const std::string& path : paths) text += (text.empty() ? "'" : ", '") + path + "'";
  return text;
}

std::string NotFoundText(const std::string& what, const std::vector<std::string>& places,
                         bool currentFolderFirst) {
  return what + " nem talalhato; kerestem " +
         (currentFolderFirst ? "az aktualis mappaban, majd " : "") + "itt: " + QuotedPaths(places);
}

std::string RequireDataFile(const char* errorKind, const std::string& what,
                            const std::string& programDir,
                            std::initializer_list<std::string_view> names) {
  const std::vector<std::string> places = FilePlaces(UserDataDir(), programDir, names);
  if (std::optional<std::string> path = FirstExisting(places)) return *path;
  throw Error(errorKind, NotFoundText(what, places));
}

std::string FindPicture(const std::string& programDir, std::string_view relative) {
  const std::string file(relative.substr(relative.rfind('/') + 1));
  return RequireDataFile(error_kind::kPicture, file, programDir, {relative});
}

std::string LabelFontNoteFile() {
  const std::string dir = UserCacheDir();
  return dir.empty() ? dir : dir + "label-font";
}

}  // namespace qv
