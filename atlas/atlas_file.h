// The atlas file, atlasz.txt: the merged world in a plain text file the
// player keeps beside the reports, read back and merged again on the next
// run. Windows-1250, CR LF, fields separated by one tab:
//   qvformat atlasz 1
//   cella x y terep ikonok elso utolso karakter   (by y, then x)
//   lepes karakter kor x y nyil                   (by character, turn, report order)
//   hely x y kor karakter szoveg                  (by y, then x)
#pragma once

#include <string>

#include "atlas/world.h"

namespace qv {

inline constexpr char kAtlasFileName[] = "atlasz.txt";

// The file's bytes for the world (its conflicts are not kept).
std::string AtlasFileText(const AtlasWorld& world);

// The world of a file's bytes. Throws qv::Error naming `fileName` and the
// line when the first line is another or a line is malformed.
AtlasWorld ParseAtlasFile(const std::string& bytes, const std::string& fileName);

// Reads the file when it stands (an empty world when not); throws like
// ParseAtlasFile, or when it cannot be read.
AtlasWorld ReadAtlasFile(const std::string& fileName);

// Writes the file through a ReplacingFile.
void WriteAtlasFile(const AtlasWorld& world, const std::string& fileName);

}  // namespace qv
