// Consoles for runs inside a test: one that keeps every line, one that keeps
// nothing.
#pragma once

#include <string>
#include <vector>

#include "platform/console.h"

namespace qv::test {

// Keeps every line; error lines are marked "ERR ".
class RecordingConsole : public Console {
 public:
  void Line(const std::string& text) override { lines.push_back(text); }
  void ErrorLine(const std::string& text) override { lines.push_back("ERR " + text); }
  void SetMessagesToErrorStream(bool on) override { aside = on; }
  bool MessagesToErrorStream() const override { return aside; }
  std::vector<std::string> lines;
  bool aside = false;
};

// Keeps nothing: for the millions of runs of a fuzz target or a benchmark.
class SilentConsole : public Console {
 public:
  void Line(const std::string&) override {}
  void ErrorLine(const std::string&) override {}
  void SetMessagesToErrorStream(bool on) override { aside_ = on; }
  bool MessagesToErrorStream() const override { return aside_; }

 private:
  bool aside_ = false;
};

}  // namespace qv::test
