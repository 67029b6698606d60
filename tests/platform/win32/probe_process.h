// Starting qv_probe (probe_main.cc) from a test and catching what it writes.
#pragma once

#include <windows.h>

#include <string>

namespace qv::test {

struct ProbeResult {
  DWORD exitCode = 0;
  std::string out;  // the bytes of standard output
  std::string err;
};

// Runs qv_probe (beside the test program) with the given command-line tail,
// in directory dir (empty: the current one); waits at most 30 s.
ProbeResult RunProbe(const std::wstring& arguments, const std::wstring& dir = L"");

}  // namespace qv::test
