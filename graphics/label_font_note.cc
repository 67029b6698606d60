#include "graphics/label_font_note.h"

#include <string_view>

#include "platform/environment.h"
#include "platform/error.h"
#include "platform/input_file.h"
#include "platform/path_names.h"
#include "platform/posix/file_stamp.h"
#include "platform/replacing_file.h"

namespace qv {
namespace {

constexpr std::string_view kHeading = "qvformat label font note 1";

// What fontconfig reads besides its files: where they are, the user's
// folders its settings name, and the languages matching takes into account.
constexpr const char* kEnvironment[] = {"FONTCONFIG_FILE",
                                        "FONTCONFIG_PATH",
                                        "FONTCONFIG_SYSROOT",
                                        "HOME",
                                        "XDG_CONFIG_HOME",
                                        "XDG_DATA_HOME",
                                        "XDG_CACHE_HOME",
                                        "FC_LANG",
                                        "LC_ALL",
                                        "LC_CTYPE",
                                        "LANG"};

// The note's lines up to its paths: the heading and the environment.
std::string NoteHead() {
  std::string head(kHeading);
  head += "\r\n";
  for (const char* name : kEnvironment) {
    head += "env ";
    head += name;
    if (const std::optional<std::string> value = EnvironmentValue(name)) head += "=" + *value;
    head += "\r\n";
  }
  return head;
}

// "<what> <stamp> <path>" for a path as it stands now.
std::string StampLine(std::string_view what, const std::string& path) {
  return std::string(what) + " " + StampOf(path).Text() + " " + path + "\r\n";
}

}  // namespace

std::optional<std::string> NotedFont(const std::string& noteFile) {
  std::string note;
  InputProblem problem;
  if (noteFile.empty() || !ReadRegularFile(noteFile, 1 << 20, &note, &problem)) return std::nullopt;
  const std::string head = NoteHead();
  if (!note.starts_with(head)) return std::nullopt;
  std::optional<std::string> font;
  for (std::size_t at = head.size(); at < note.size();) {
    const std::size_t end = note.find("\r\n", at);
    if (end == std::string::npos) return std::nullopt;  // a note cut short
    const std::string_view line(note.data() + at, end - at);
    at = end + 2;
    const std::size_t space = line.find(' ');
    const std::size_t stamp = space == std::string_view::npos ? space : line.find(' ', space + 1);
    if (stamp == std::string_view::npos) return std::nullopt;
    const std::string_view what = line.substr(0, space);
    const std::string path(line.substr(stamp + 1));
    if (StampLine(what, path) != std::string(line) + "\r\n") return std::nullopt;  // changed since
    if (what == "font") {
      if (font || StampOf(path).kind != 'f') return std::nullopt;
      font = path;
    } else if (what != "watch") {
      return std::nullopt;
    }
  }
  return font;
}

void NoteFont(const std::string& noteFile, const FontSearchNote& note, std::int64_t searchStartNs) {
  if (noteFile.empty() || StampOf(note.font).kind != 'f') return;
  // Timestamps may be as coarse as a second or two.
  constexpr std::int64_t kStampSlack = 2'000'000'000;
  std::string text = NoteHead();
  auto add = [&](std::string_view what, const std::string& path) {
    if (path.empty() || path.find_first_of("\r\n") != std::string::npos) return false;
    if (StampOf(path).changedNs >= searchStartNs - kStampSlack) return false;
    text += StampLine(what, path);
    return true;
  };
  for (const std::string& path : note.watched)
    if (!add("watch", path)) return;
  if (!add("font", note.font)) return;
  try {
    if (!MakeFolders(noteFile.substr(0, FileNameStart(noteFile)))) return;
    ReplacingFile file(noteFile);
    file.Write(text);
    file.Commit();
  } catch (const Error&) {
    // Not noted: the next run searches again.
  }
}

}  // namespace qv
