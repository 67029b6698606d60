// A file written under a hidden temporary name beside its final name and
// renamed into place by Commit(): a run that fails leaves no empty or
// partial file behind, and an earlier file of the same name survives it.
// A run ended by SIGINT, SIGTERM, SIGHUP or SIGQUIT removes its temporary
// files too: the first ReplacingFile installs a handler that unlinks them
// and then ends the process by the same signal (signals the process ignores
// stay ignored).
#pragma once

#include <string>
#include <string_view>

namespace qv {

class ReplacingFile {
 public:
  // Creates the temporary file now, so a directory that cannot take the file
  // fails before any work is done; throws qv::Error then.
  explicit ReplacingFile(std::string name);
  // Removes the temporary file unless Commit() succeeded.
  ~ReplacingFile();
  ReplacingFile(ReplacingFile&& other) noexcept;
  ReplacingFile& operator=(ReplacingFile&& other) noexcept;
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Appends bytes; throws qv::Error when they cannot be written.
  void Write(std::string_view bytes);
  // Closes the file and gives it its name; throws qv::Error on failure.
  void Commit();

  const std::string& name() const { return name_; }
  const std::string& tempName() const { return tempName_; }

 private:
  std::string name_;
  std::string tempName_;
  int fd_ = -1;
  int slot_ = -1;  // the temporary file's place in the signal handler's list
};

}  // namespace qv
