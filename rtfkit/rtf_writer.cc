#include "rtfkit/rtf_writer.h"

#include <fcntl.h>
#include <unistd.h>

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
  const int fd = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) ThrowFileError("create", fileName, errno);
  RtfWriter w(fileName, fd, false);
  w.ownsFd_ = true;
  return w;
}

RtfWriter RtfWriter::InMemory() { return RtfWriter("memory", -1, true); }

RtfWriter::RtfWriter(RtfWriter&& other) noexcept
    : name_(std::move(other.name_)),
      fd_(other.fd_),
      memory_(other.memory_),
      ownsFd_(other.ownsFd_),
      buffer_(std::move(other.buffer_)) {
  other.fd_ = -1;
  other.ownsFd_ = false;
  other.memory_ = true;  // a moved-from writer never touches a descriptor
}

RtfWriter::~RtfWriter() {
  // A writer that was not closed belongs to a conversion that failed; what
  // it wrote is kept as far as it can be, without throwing.
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
  if (ownsFd_ && ::close(fd) != 0) ThrowFileError("write", name_, errno);
  ownsFd_ = false;
}

}  // namespace qv
