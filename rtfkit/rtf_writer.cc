#include "rtfkit/rtf_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/error.h"

namespace qv {
namespace {

constexpr std::size_t kFlushSize = 64 * 1024;

}  // namespace

RtfWriter::RtfWriter(std::string name, int fd, bool memory)
    : name_(std::move(name)), fd_(fd), memory_(memory) {}

RtfWriter RtfWriter::ToFile(const std::string& fileName) {
  if (fileName.empty()) return RtfWriter("standard output", STDOUT_FILENO, false);
  // A hidden name of our own beside the document; it holds no "_", so a
  // batch run never takes it for a report.
  const std::size_t slash = fileName.rfind('/');
  const std::string dir = slash == std::string::npos ? "" : fileName.substr(0, slash + 1);
  std::string base = fileName.substr(dir.size());
  std::replace(base.begin(), base.end(), '_', '-');
  std::string temp = dir + "." + base + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) ThrowFileError("create", fileName, errno);
  // mkstemp makes the file private; a document gets the usual permissions.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  RtfWriter w(fileName, fd, false);
  w.ownsFd_ = true;
  w.tempName_ = temp;
  return w;
}

RtfWriter RtfWriter::InMemory() { return RtfWriter("memory", -1, true); }

RtfWriter::RtfWriter(RtfWriter&& other) noexcept
    : name_(std::move(other.name_)),
      fd_(other.fd_),
      memory_(other.memory_),
      ownsFd_(other.ownsFd_),
      buffer_(std::move(other.buffer_)) {
  tempName_ = std::move(other.tempName_);
  other.tempName_.clear();
  other.fd_ = -1;
  other.ownsFd_ = false;
  other.memory_ = true;  // a moved-from writer never touches a descriptor
}

RtfWriter::~RtfWriter() {
  // A writer that was not closed belongs to a conversion that failed: its
  // temporary file goes; on standard output what was written is flushed.
  if (!tempName_.empty()) {
    if (fd_ >= 0) ::close(fd_);
    ::unlink(tempName_.c_str());
    return;
  }
  try {
    if (fd_ >= 0) Flush();
  } catch (...) {
  }
  if (ownsFd_ && fd_ >= 0) ::close(fd_);
}

void RtfWriter::Line(std::string_view text) {
  buffer_.append(text);
  buffer_ += "\r\n";
  if (!memory_ && buffer_.size() >= kFlushSize) Flush();
}

void RtfWriter::Write(std::string_view text) {
  buffer_.append(text);
  if (!memory_ && buffer_.size() >= kFlushSize) Flush();
}

void RtfWriter::Flush() {
  if (memory_ || fd_ < 0) return;
  std::size_t done = 0;
  while (done < buffer_.size()) {
    const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      buffer_.erase(0, done);
      ThrowFileError("write", name_, err);
    }
    done += static_cast<std::size_t>(n);
  }
  buffer_.clear();
}

void RtfWriter::Close() {
  if (memory_ || fd_ < 0) return;
  Flush();
  const int fd = fd_;
  fd_ = -1;
  if (ownsFd_ && ::close(fd) != 0) {
    const int err = errno;
    ::unlink(tempName_.c_str());
    tempName_.clear();
    ThrowFileError("write", name_, err);
  }
  ownsFd_ = false;
  if (!tempName_.empty()) {
    const std::string temp = std::move(tempName_);
    tempName_.clear();
    if (::rename(temp.c_str(), name_.c_str()) != 0) {
      const int err = errno;
      ::unlink(temp.c_str());
      ThrowFileError("write", name_, err);
    }
  }
}

}  // namespace qv
