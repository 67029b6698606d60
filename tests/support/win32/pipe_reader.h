// Reads a pipe to its end on a thread of its own, so that a child writing
// more than a pipe holds never blocks while the test waits for it.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

namespace qv::test {

class PipeReader {
 public:
  explicit PipeReader(HANDLE pipe)
      : pipe_(pipe), thread_([this] {
          char buffer[65536];
          DWORD n = 0;
          while (ReadFile(pipe_, buffer, sizeof buffer, &n, nullptr) && n > 0)
            bytes_.append(buffer, n);
        }) {}
  PipeReader(const PipeReader&) = delete;
  PipeReader& operator=(const PipeReader&) = delete;
  ~PipeReader() {
    if (thread_.joinable()) thread_.join();
    CloseHandle(pipe_);
  }
  // Everything the pipe carried, once the writer has closed it.
  std::string Finish() {
    if (thread_.joinable()) thread_.join();
    return bytes_;
  }

 private:
  HANDLE pipe_;
  std::string bytes_;
  std::thread thread_;
};

}  // namespace qv::test
