// A downloaded file in the current directory, written under a temporary
// name and renamed into place only once it is complete: a failed download
// leaves no empty or partial file, and an earlier file of the same name
// survives it.
#pragma once

#include <string>

namespace qv {

class ReportFile {
 public:
  // Creates the temporary file now; throws qv::Error when it cannot.
  explicit ReportFile(std::string name);
  // Removes the temporary file unless Commit succeeded.
  ~ReportFile();
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  // Writes the bytes, closes the file and gives it its name.
  void Commit(const std::string& bytes);

 private:
  std::string name_;
  std::string tempName_;
  int fd_ = -1;
  bool committed_ = false;
};

}  // namespace qv
