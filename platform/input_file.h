// Opening the tool's input files. Only regular files are read: a device or
// a pipe given as a report, settings, data or picture file would otherwise
// be read forever (or, for a pipe without a writer, never opened).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qv {

// Why an input file cannot be read, for the caller's message: the system's
// text ("No such file or directory", "Is a directory", ...) or "not a
// regular file".
struct InputProblem {
  std::string operation;  // "open" or "read": where it went wrong
  int errnoValue = 0;     // 0 when the file is no regular file
  std::string reason;
  bool Missing() const;  // the file (or a folder on its path) does not exist
};

// Opens path for reading when it names a regular file; returns the file
// descriptor (to be closed with CloseFile), or -1 with *problem filled in.
// A pipe is opened without waiting for a writer, and then refused.
int OpenRegularFile(const std::string& path, InputProblem* problem);

// Reads up to size bytes of an open file at its current position: the
// number read, 0 at the end, or -1 with errno set.
std::int64_t ReadFileBytes(int fd, char* buffer, std::size_t size);

// Moves an open file's position to offset bytes from its start; false with
// errno set.
bool SeekFile(int fd, std::int64_t offset);

// The size of an open file in bytes, or -1 with errno set.
std::int64_t OpenFileSize(int fd);

void CloseFile(int fd);

// True when something (a file, a folder, ...) exists at path.
bool PathExists(const std::string& path);

// True when something other than a folder exists at path (links followed):
// a file a run may be handed as a report.
bool FileExists(const std::string& path);

// Reads the whole regular file at path into *bytes, at most maxBytes; false
// with *problem filled in when it cannot be opened or read, or is larger.
bool ReadRegularFile(const std::string& path, std::int64_t maxBytes, std::string* bytes,
                     InputProblem* problem);

}  // namespace qv
