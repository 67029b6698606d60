// Opening the tool's input files. Only regular files are read: a device or
// a pipe given as a report, settings, data or picture file would otherwise
// be read forever (or, for a pipe without a writer, never opened).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/error.h"

namespace qv {

// Why an input file cannot be read, for the caller's message
// (FileProblemText): the system's words ("No such file or directory", ...)
// or the tool's (file_reason::kFolder, kNotRegular, "nagyobb, mint 16 MB").
struct InputProblem {
  FileOp operation = FileOp::kOpen;  // kOpen or kRead: where it went wrong
  bool missing = false;              // the file (or a folder on its path) does not exist
  std::string reason;
  bool Missing() const { return missing; }
};

// Opens path for reading when it names a regular file; returns the file
// descriptor (to be closed with CloseFile), or -1 with *problem filled in.
// A pipe is opened without waiting for a writer, and then refused.
int OpenRegularFile(const std::string& path, InputProblem* problem);

// Reads up to size bytes of an open file at its current position: the
// number read, 0 at the end, or -1 (LastSystemError() says why).
std::int64_t ReadFileBytes(int fd, char* buffer, std::size_t size);

// Moves an open file's position to offset bytes from its start; false
// (LastSystemError() says why) when it cannot.
bool SeekFile(int fd, std::int64_t offset);

// The size of an open file in bytes, or -1 (LastSystemError() says why).
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
