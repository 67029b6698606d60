// Helpers of the fuzz targets alone: the input as text and as lines,
// and the checks a target makes on what it got back. What they share with
// the tests (scratch folders, a silent console, the source tree's files,
// the document checks) is in tests/support/.
//
// Every target is one LLVMFuzzerTestOneInput. The fuzz build links it with
// libFuzzer; the normal build links it with replay_main.cc, which feeds it
// the kept regression inputs and the seed corpus.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/environment.h"

namespace qv::fuzz {

inline std::string AsText(const uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// The input cut at every LF, a CR before the LF dropped (a lone CR stays in
// its line).
inline std::vector<std::string> InputLines(std::string_view text) {
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

// The targets also check their results (documents with balanced braces);
// with QV_FUZZ_CHECKS=0 they look for crashes, sanitizer reports, leaks and
// hangs only.
inline bool ResultChecksOn() {
  static const bool on = EnvironmentText("QV_FUZZ_CHECKS") != "0";
  return on;
}

// A failed check: the message, then abort(), which the fuzzer reports as a
// crash with this input.
[[noreturn]] inline void CheckFailed(const std::string& what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
  std::abort();
}

}  // namespace qv::fuzz
