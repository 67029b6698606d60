// Opening the tool's input files. Only regular files are read: a device or
// a pipe given as a report, settings, data or picture file would otherwise
// be read forever (or, for a pipe without a writer, never opened).
#pragma once

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
// descriptor (to be closed by the caller), or -1 with *problem filled in.
// A pipe is opened without waiting for a writer, and then refused.
int OpenRegularFile(const std::string& path, InputProblem* problem);

// Reads the whole regular file at path into *bytes, at most maxBytes; false
// with *problem filled in when it cannot be opened or read, or is larger.
bool ReadRegularFile(const std::string& path, std::int64_t maxBytes, std::string* bytes,
                     InputProblem* problem);

}  // namespace qv
