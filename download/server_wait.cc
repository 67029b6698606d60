#include "download/server_wait.h"

#include <algorithm>

namespace qv {
namespace {

long long CeilMs(std::chrono::steady_clock::duration d) {
  return std::chrono::ceil<std::chrono::milliseconds>(d).count();
}

}  // namespace

void ServerWait::Start() {
  deadline_ = Clock::now() + std::chrono::milliseconds(connectionLimitMs_);
  noticed_ = false;
}

ServerWait::Outcome ServerWait::Await(int quietLimitMs,
                                      const std::function<bool(int)>& waitReadable) {
  const Clock::time_point start = Clock::now();
  for (;;) {
    const Clock::time_point now = Clock::now();
    if (now >= deadline_) return Outcome::kOutOfTime;
    const long long quiet =
        std::chrono::duration_cast<std::chrono::milliseconds>(now - start).count();
    if (quiet >= quietLimitMs) return Outcome::kQuiet;
    if (!noticed_ && quiet >= noticeMs_) {
      noticed_ = true;
      if (notice_) notice_();
    }
    long long next = std::min<long long>(quietLimitMs - quiet, CeilMs(deadline_ - now));
    if (!noticed_) next = std::min<long long>(next, noticeMs_ - quiet);
    if (waitReadable(static_cast<int>(std::max<long long>(next, 1)))) return Outcome::kReady;
  }
}

std::string ServerWait::OutOfTimeText() const {
  return "a honlap valasza tovabb tartott, mint " + MillisecondsText(connectionLimitMs_) +
         ", amennyi egy kapcsolatra juthat";
}

std::string MillisecondsText(long long ms) {
  return ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
}

std::string BytesText(unsigned long long bytes) {
  constexpr unsigned long long kMiB = 1 << 20;
  return bytes % kMiB == 0 ? std::to_string(bytes / kMiB) + " MiB"
                           : std::to_string(bytes) + " bajt";
}

}  // namespace qv
