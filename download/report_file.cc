#include "download/report_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/error.h"

namespace qv {

ReportFile::ReportFile(std::string name) : name_(std::move(name)) {
  // The temporary name is hidden and holds no "_", so a batch run never
  // takes one that a killed download left behind.
  for (int attempt = 0; fd_ < 0; ++attempt) {
    tempName_ = ".qvformat-" + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".part";
    fd_ = open(tempName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0 && (errno != EEXIST || attempt > 1000)) ThrowFileError("create", name_, errno);
  }
}

ReportFile::~ReportFile() {
  if (fd_ >= 0) close(fd_);
  if (!committed_) std::remove(tempName_.c_str());
}

void ReportFile::Commit(const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowFileError("write", name_, errno);
    done += static_cast<std::size_t>(n);
  }
  const int closed = close(fd_);
  fd_ = -1;
  if (closed != 0) ThrowFileError("write", name_, errno);
  if (std::rename(tempName_.c_str(), name_.c_str()) != 0) ThrowFileError("write", name_, errno);
  committed_ = true;
}

}  // namespace qv
