// What a file or folder looks like from outside (kind, size, last change),
// for a note that holds only while the files it was made from are unchanged.
#pragma once

#include <cstdint>
#include <string>

namespace qv {

struct FileStamp {
  char kind = '-';  // 'f' a file, 'd' a folder, 'o' something else, '-' nothing there
  std::int64_t size = 0;
  std::int64_t changedNs = 0;  // the last change, nanoseconds since 1970

  // One word: kind, size and change time, joined by ":".
  std::string Text() const;
};

// The stamp of what stands at path (links followed).
FileStamp StampOf(const std::string& path);

// Makes the folder and any missing parents, readable by the user only;
// true when the folder exists afterwards.
bool MakeFolders(std::string path);

}  // namespace qv
