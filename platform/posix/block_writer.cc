#include "platform/posix/block_writer.h"

#include <utility>

namespace qv {

BlockWriter::BlockWriter(std::function<int(std::string_view)> write)
    : write_(std::move(write)), thread_([this] { Run(); }) {}

BlockWriter::~BlockWriter() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

int BlockWriter::Hand(std::string& block) {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return !hasQueued_ || error_ != 0; });
  if (error_ != 0) return error_;
  queued_.swap(block);
  hasQueued_ = true;
  block.swap(spare_);
  block.clear();
  lock.unlock();
  changed_.notify_all();
  return 0;
}

int BlockWriter::Wait() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return (!hasQueued_ && !writing_) || error_ != 0; });
  return error_;
}

void BlockWriter::Run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return hasQueued_ || stopping_; });
    if (!hasQueued_) return;
    std::string block = std::move(queued_);
    queued_ = std::string();
    hasQueued_ = false;
    writing_ = true;
    const bool failed = error_ != 0;
    lock.unlock();
    changed_.notify_all();
    const int error = failed ? 0 : write_(block);
    lock.lock();
    if (error != 0) error_ = error;
    writing_ = false;
    spare_ = std::move(block);
    changed_.notify_all();
  }
}

}  // namespace qv
