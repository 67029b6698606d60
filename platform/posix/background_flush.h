// A file's data made durable on a thread of its own while more is written:
// the flush that a finished file waits for then has only the last part
// left. A virtual disk's flush costs time for every byte written since the
// one before, so this moves most of that time beside the work.
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace qv {

class BackgroundFlush {
 public:
  // Flushes the open file `fd`, which must stay open until Finish() or the
  // destructor. Throws std::system_error when no thread can be started.
  explicit BackgroundFlush(int fd);
  // Finish(), when not called yet; its answer is dropped.
  ~BackgroundFlush();
  BackgroundFlush(const BackgroundFlush&) = delete;
  BackgroundFlush& operator=(const BackgroundFlush&) = delete;

  // Asks for a flush of what is written by now; a request made while one
  // waits joins it.
  void Request();
  // Waits for the flushes asked for and ends the thread; the error number
  // of the first that failed, or 0. A failure must be reported: the file's
  // own flush afterwards may no longer see it.
  int Finish();

 private:
  void Run();

  int fd_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool requested_ = false;
  bool stopping_ = false;
  int error_ = 0;
  std::thread thread_;  // last: started once the rest stands
};

}  // namespace qv
