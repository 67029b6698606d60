#include "rtfkit/rtf_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/error.h"
#include "platform/system_error.h"

namespace qv {
namespace {

// What is gathered before it goes to the file, map pictures included: each
// hand-over to the writing thread costs a wake-up, so the blocks are large.
constexpr std::size_t kFlushSize = 1024 * 1024;
// A buffer's room, taken at once: grown by doubling, each buffer would pass
// through fresh blocks of every size on its way.
constexpr std::size_t kBufferRoom = kFlushSize + 128 * 1024;

}  // namespace

RtfWriter::RtfWriter(std::string name, Target target) : name_(std::move(name)), target_(target) {}

RtfWriter RtfWriter::ToFile(const std::string& fileName) {
  RtfWriter w(fileName.empty() ? "standard output" : fileName,
              fileName.empty() ? Target::kStandardOutput : Target::kFile);
  if (!fileName.empty()) w.file_.emplace(fileName);
  w.buffer_.reserve(kBufferRoom);
  return w;
}

RtfWriter RtfWriter::InMemory() { return RtfWriter("memory", Target::kMemory); }

RtfWriter RtfWriter::InMemory(std::string storage) {
  RtfWriter w("memory", Target::kMemory);
  storage.clear();
  w.buffer_ = std::move(storage);
  return w;
}

RtfWriter::~RtfWriter() {
  if (target_ != Target::kStandardOutput || closed_) return;
  try {
    Flush();
  } catch (...) {
  }
}

void RtfWriter::Line(std::string_view text) {
  Write(text);
  Write("\r\n");
}

void RtfWriter::Write(std::string_view text) {
  if (target_ != Target::kMemory && buffer_.size() + text.size() > buffer_.capacity() &&
      !buffer_.empty())
    Flush();  // what is buffered goes first, rather than to a larger copy
  buffer_.append(text);
  if (target_ != Target::kMemory && buffer_.size() >= kFlushSize) Flush();
}

void RtfWriter::Flush() {
  if (target_ == Target::kFile) {
    if (file_) {
      buffer_ = file_->Hand(std::move(buffer_));  // written beside the work
      if (buffer_.capacity() < kBufferRoom) buffer_.reserve(kBufferRoom);
    }
  } else if (target_ == Target::kStandardOutput) {
    std::size_t done = 0;
    while (done < buffer_.size()) {
      const ssize_t n = ::write(STDOUT_FILENO, buffer_.data() + done, buffer_.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        const int err = LastSystemError();
        buffer_.erase(0, done);
        throw Error(error_kind::kFile, "a szabvanyos kimenet nem irhato: " + FileErrorReason(err));
      }
      done += static_cast<std::size_t>(n);
    }
  } else {
    return;
  }
  buffer_.clear();
}

void RtfWriter::Close() {
  if (target_ == Target::kMemory || closed_) return;
  Flush();
  closed_ = true;
  if (file_) {
    file_->Commit();
    file_.reset();
  }
}

}  // namespace qv
