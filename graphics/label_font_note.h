// The label font's file as the last search found it, noted in the player's
// folder for notes (platform/user_dirs.h). fontconfig reads some fifty
// settings files whenever it starts, milliseconds of every run that draws a
// map, while its answer changes only when those files, the font folders or
// the environment do. The note holds the stamps of all of them
// (platform/posix/file_stamp.h) and serves only while each still matches.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qv {

struct FontSearchNote {
  std::vector<std::string> watched;  // settings files and folders, font folders
  std::string font;                  // the file the search found
};

// The font file that the note at noteFile names, when the note is whole and
// the environment, every watched path and the font are as they were when it
// was made; none otherwise (no note, another kind of file, anything changed).
std::optional<std::string> NotedFont(const std::string& noteFile);

// Writes the note under a temporary name and renames it into place. Nothing
// is noted when a path changed since shortly before `searchStartNs` (the
// search may have met it half made) or cannot stand on a line of the note;
// a note that cannot be written is passed over: it only saves time.
void NoteFont(const std::string& noteFile, const FontSearchNote& note, std::int64_t searchStartNs);

}  // namespace qv
