#include "platform/posix/background_flush.h"

#include <unistd.h>

#include <cerrno>

namespace qv {

BackgroundFlush::BackgroundFlush(int fd) : fd_(fd), thread_([this] { Run(); }) {}

BackgroundFlush::~BackgroundFlush() {
  if (thread_.joinable()) Finish();
}

void BackgroundFlush::Request() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    requested_ = true;
  }
  changed_.notify_one();
}

int BackgroundFlush::Finish() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_one();
  thread_.join();
  return error_;
}

void BackgroundFlush::Run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return requested_ || stopping_; });
    if (!requested_) return;
    requested_ = false;
    lock.unlock();
    // A file system that cannot flush (EINVAL, ENOTSUP) has nothing to flush.
    const int error = ::fdatasync(fd_) == 0 || errno == EINVAL || errno == ENOTSUP ? 0 : errno;
    lock.lock();
    if (error_ == 0) error_ = error;
  }
}

}  // namespace qv
