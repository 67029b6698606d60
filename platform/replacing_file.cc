#include "platform/replacing_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/error.h"

namespace qv {

ReplacingFile::ReplacingFile(std::string name) : name_(std::move(name)) {
  // "dir/.name.tmp<pid>[-n]": hidden, beside the file, and with no "_" and
  // no ".htm" at its end, so neither a batch run nor a browser takes one
  // that a killed run left behind.
  const std::size_t slash = name_.rfind('/');
  const std::string dir = slash == std::string::npos ? "" : name_.substr(0, slash + 1);
  std::string base = name_.substr(dir.size());
  std::replace(base.begin(), base.end(), '_', '-');
  const std::string stem = dir + "." + base + ".tmp" + std::to_string(::getpid());
  for (int attempt = 0;; ++attempt) {
    tempName_ = attempt == 0 ? stem : stem + "-" + std::to_string(attempt);
    fd_ = ::open(tempName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) return;
    // A left-over of an earlier run that had the same process id.
    if (errno != EEXIST || attempt >= 100) {
      const int err = errno;
      tempName_.clear();
      ThrowFileError("create", name_, err);
    }
  }
}

ReplacingFile::ReplacingFile(ReplacingFile&& other) noexcept
    : name_(std::move(other.name_)), tempName_(std::move(other.tempName_)), fd_(other.fd_) {
  other.tempName_.clear();
  other.fd_ = -1;
}

ReplacingFile& ReplacingFile::operator=(ReplacingFile&& other) noexcept {
  // The file given up here is removed when `other` goes.
  std::swap(name_, other.name_);
  std::swap(tempName_, other.tempName_);
  std::swap(fd_, other.fd_);
  return *this;
}

ReplacingFile::~ReplacingFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!tempName_.empty()) ::unlink(tempName_.c_str());
}

void ReplacingFile::Write(std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowFileError("write", name_, errno);
    done += static_cast<std::size_t>(n);
  }
}

void ReplacingFile::Commit() {
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) ThrowFileError("write", name_, errno);
  if (::rename(tempName_.c_str(), name_.c_str()) != 0) ThrowFileError("write", name_, errno);
  tempName_.clear();
}

}  // namespace qv
