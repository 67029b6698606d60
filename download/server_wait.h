// How long a download connection waits for the server. A single wait ends
// when nothing came for the receive limit; every wait of one connection,
// the handshake included, ends when the connection's whole time is up, so
// that a server sending a byte now and then cannot hold the tool forever.
// Once per connection, after a few quiet seconds, the player is told that
// the tool is waiting.
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace qv {

class ServerWait {
 public:
  enum class Outcome { kReady, kQuiet, kOutOfTime };

  ServerWait(int connectionLimitMs, int noticeMs)
      : connectionLimitMs_(connectionLimitMs), noticeMs_(noticeMs) {}

  // What says that the tool is waiting.
  void SetNotice(std::function<void()> notice) { notice_ = std::move(notice); }

  // A new connection: its time starts, the notice may come once more.
  void Start();

  // Waits through waitReadable (given the most milliseconds it may wait,
  // true when the socket has something to read or to report) until the
  // socket has something (kReady), nothing came for quietLimitMs (kQuiet),
  // or the connection's time is up (kOutOfTime).
  Outcome Await(int quietLimitMs, const std::function<bool(int)>& waitReadable);

  bool OutOfTime() const { return Clock::now() >= deadline_; }

  // Why a connection whose time is up was given up.
  std::string OutOfTimeText() const;

 private:
  using Clock = std::chrono::steady_clock;

  int connectionLimitMs_;
  int noticeMs_;
  std::function<void()> notice_;
  Clock::time_point deadline_ = Clock::time_point::max();
  bool noticed_ = false;
};

// A limit as the messages name it: "120 s", "1500 ms"; "64 MiB", "4096 bytes".
std::string MillisecondsText(long long ms);
std::string BytesText(unsigned long long bytes);

}  // namespace qv
