#include "platform/replacing_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/error.h"
#include "platform/interrupt.h"

namespace qv {

struct ReplacingFile::Impl {
  std::string name;
  std::string tempName;
  int fd = -1;
  int slot = -1;  // the temporary file's place in the interrupt cleanup
};

ReplacingFile::ReplacingFile(std::string name) : impl_(std::make_unique<Impl>()) {
  Impl& f = *impl_;
  f.name = std::move(name);
  InstallInterruptCleanup();
  for (int attempt = 0;; ++attempt) {
    f.tempName = TemporaryFileName(f.name, static_cast<unsigned long>(::getpid()), attempt);
    {
      InterruptsHeld held;
      f.fd = ::open(f.tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (f.fd >= 0) f.slot = RegisterTemporaryFile(f.tempName);
    }
    if (f.fd >= 0) return;
    // A left-over of an earlier run that had the same process id.
    if (errno != EEXIST || attempt >= 100) {
      const int err = errno;
      f.tempName.clear();
      ThrowFileError("create", f.name, err);
    }
  }
}

ReplacingFile::~ReplacingFile() {
  if (!impl_) return;
  Impl& f = *impl_;
  if (f.fd >= 0) ::close(f.fd);
  if (f.tempName.empty()) return;
  InterruptsHeld held;
  ::unlink(f.tempName.c_str());
  UnregisterTemporaryFile(f.slot);
}

ReplacingFile::ReplacingFile(ReplacingFile&& other) noexcept = default;

ReplacingFile& ReplacingFile::operator=(ReplacingFile&& other) noexcept {
  // The file given up here is removed when `other` goes.
  std::swap(impl_, other.impl_);
  return *this;
}

const std::string& ReplacingFile::name() const { return impl_->name; }
const std::string& ReplacingFile::tempName() const { return impl_->tempName; }

void ReplacingFile::Write(std::string_view bytes) {
  Impl& f = *impl_;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(f.fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowFileError("write", f.name, errno);
    done += static_cast<std::size_t>(n);
  }
}

void ReplacingFile::Commit() {
  Impl& f = *impl_;
  const int fd = f.fd;
  f.fd = -1;
  if (::close(fd) != 0) ThrowFileError("write", f.name, errno);
  {
    InterruptsHeld held;
    if (::rename(f.tempName.c_str(), f.name.c_str()) != 0) {
      const int err = errno;
      ThrowFileError("write", f.name, err);  // the destructor removes the temporary file
    }
    UnregisterTemporaryFile(f.slot);
    f.slot = -1;
  }
  f.tempName.clear();
}

}  // namespace qv
