// Blocks of a file's bytes written on a thread of their own, in the order
// they are handed over, while the caller makes the next: the copying into
// the system's cache then costs the caller nothing. One block waits while
// another is written; a written block comes back, emptied, to be filled
// again.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

namespace qv {

class BlockWriter {
 public:
  // `write` writes one block and returns 0, or the error number of its
  // failure; after a failure nothing more is written.
  explicit BlockWriter(std::function<int(std::string_view)> write);
  // Writes what is waiting, then ends the thread.
  ~BlockWriter();
  BlockWriter(const BlockWriter&) = delete;
  BlockWriter& operator=(const BlockWriter&) = delete;

  // Queues the block behind those handed before (waiting while one is
  // queued already) and returns an emptied block to fill next. Returns the
  // error number of an earlier block's failure instead, the block not taken.
  int Hand(std::string& block);
  // Waits until every block handed is written; the first failure's error
  // number, or 0.
  int Wait();

 private:
  void Run();

  std::function<int(std::string_view)> write_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::string queued_;  // the block waiting, when hasQueued_
  std::string spare_;   // the last block written, to give back
  bool hasQueued_ = false;
  bool writing_ = false;
  bool stopping_ = false;
  int error_ = 0;
  std::thread thread_;  // last: started once the rest stands
};

}  // namespace qv
