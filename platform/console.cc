#include "platform/console.h"

namespace qv {

std::string WarningText(const std::string& text) { return "qvformat: Figyelem: " + text; }

void StdConsole::Line(const std::string& text) {
  if (messagesToError_)
    Write(stderr, errTerminal_, text);
  else
    Write(stdout, outTerminal_, text);
}

void StdConsole::LineWithName(const std::string& text, const std::string& name) {
  if (messagesToError_)
    Write(stderr, errTerminal_, text, name);
  else
    Write(stdout, outTerminal_, text, name);
}

void StdConsole::ErrorLine(const std::string& text) {
  FlushOutput();
  Write(stderr, errTerminal_, "", text);
}

void StdConsole::SetMessagesToErrorStream(bool on) {
  FlushOutput();
  messagesToError_ = on;
}

void StdConsole::FlushOutput() {
  if (!outputWaiting_) return;
  std::fwrite(waiting_.data(), 1, waiting_.size(), stdout);
  std::fflush(stdout);
  waiting_.clear();
  outputWaiting_ = false;
}

void StdConsole::Put(std::FILE* stream, std::string_view bytes) {
  if (stream == stdout && !outShownAtOnce_)
    waiting_.append(bytes);
  else
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

void StdConsole::Written(std::FILE* stream) {
  if (stream != stdout || outShownAtOnce_) {
    std::fflush(stream);
    return;
  }
  // A line at a reader's pace goes out at once; lines that follow each
  // other within a tenth of a second wait, a tenth of a second at most
  // while they keep coming.
  constexpr auto kBurst = std::chrono::milliseconds(100);
  constexpr std::size_t kWaitingBytes = 64 * 1024;  // written in pieces of about this size
  const auto now = std::chrono::steady_clock::now();
  const bool burst = lastLine_.has_value() && now - *lastLine_ < kBurst;
  lastLine_ = now;
  if (!outputWaiting_) {
    outputWaiting_ = true;
    waitingSince_ = now;
  }
  if (!burst || now - waitingSince_ >= kBurst || waiting_.size() >= kWaitingBytes) FlushOutput();
}

StdConsole::~StdConsole() { FlushOutput(); }

}  // namespace qv
