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
  std::fflush(stdout);
  outputWaiting_ = false;
}

void StdConsole::Written(std::FILE* stream) {
  if (stream != stdout || outShownAtOnce_) {
    std::fflush(stream);
    return;
  }
  const auto now = std::chrono::steady_clock::now();
  if (!outputWaiting_) {
    outputWaiting_ = true;
    waitingSince_ = now;
  } else if (now - waitingSince_ >= std::chrono::milliseconds(100)) {
    FlushOutput();
  }
}

StdConsole::~StdConsole() { FlushOutput(); }

}  // namespace qv
