// Helpers of the fuzz targets: a console that forgets, a scratch directory
// that lives as long as the process, the input as text and as lines, and the
// checks a target makes on what it got back.
//
// Every target is one LLVMFuzzerTestOneInput. The fuzz build links it with
// libFuzzer; the normal build links it with replay_main.cc, which feeds it
// the kept regression inputs and the seed corpus.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/console.h"
#include "tests/test_support.h"

namespace qv::fuzz {

// Millions of runs share one process: a console that keeps nothing.
class NullConsole : public Console {
 public:
  void Line(const std::string&) override {}
  void ErrorLine(const std::string&) override {}
  void SetMessagesToErrorStream(bool on) override { aside_ = on; }
  bool MessagesToErrorStream() const override { return aside_; }

 private:
  bool aside_ = false;
};

inline std::string AsText(const uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// The input cut at every LF; a CR before it stays in the line, as the
// report reader keeps a lone CR.
inline std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

// A file of the source tree (settings and data lists of assets/).
inline std::string SourceFile(const std::string& relative) {
  std::ifstream in(std::string(QV_SOURCE_DIR) + "/" + relative, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "fuzz: cannot read %s/%s\n", QV_SOURCE_DIR, relative.c_str());
    std::abort();
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The whole file, or "" when it is missing.
inline std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The targets also check their results (documents with balanced braces);
// with QV_FUZZ_CHECKS=0 they look for crashes, sanitizer reports, leaks and
// hangs only.
inline bool ResultChecksOn() {
  static const bool on = [] {
    const char* value = std::getenv("QV_FUZZ_CHECKS");
    return value == nullptr || std::string_view(value) != "0";
  }();
  return on;
}

// A failed check: the message, then abort(), which the fuzzer reports as a
// crash with this input.
[[noreturn]] inline void CheckFailed(const std::string& what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
  std::abort();
}

// The depth of RTF groups at the end of the document, -1 when a "}" closes
// more than was opened. A backslash takes the next byte with it (an escaped
// brace or the first letter of a control word); picture data is hex digits.
inline int BraceBalance(std::string_view rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
    } else if (rtf[i] == '{') {
      ++depth;
    } else if (rtf[i] == '}') {
      if (--depth < 0) return -1;
    }
  }
  return depth;
}

}  // namespace qv::fuzz
