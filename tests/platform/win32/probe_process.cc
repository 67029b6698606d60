#include "tests/platform/win32/probe_process.h"

#include <string>

#include "tests/support/win32/pipe_reader.h"

namespace qv::test {
namespace {

std::wstring ProbePath() {
  wchar_t self[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self, n);
  path.resize(path.find_last_of(L"\\/") + 1);
  const std::string name = QV_PROBE_NAME;
  return path + std::wstring(name.begin(), name.end());
}

struct Started {
  PROCESS_INFORMATION process{};
  HANDLE out = nullptr, err = nullptr;
  bool ok = false;
};

Started Start(const std::wstring& arguments, const std::wstring& dir) {
  Started s;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE outWrite = nullptr, errWrite = nullptr;
  if (!CreatePipe(&s.out, &outWrite, &inherit, 0) || !CreatePipe(&s.err, &errWrite, &inherit, 0))
    return s;
  SetHandleInformation(s.out, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(s.err, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = outWrite;
  startup.hStdError = errWrite;
  std::wstring commandLine = L"\"" + ProbePath() + L"\" " + arguments;
  s.ok = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        dir.empty() ? nullptr : dir.c_str(), &startup, &s.process) != 0;
  CloseHandle(outWrite);
  CloseHandle(errWrite);
  return s;
}

DWORD Finish(const Started& s) {
  if (WaitForSingleObject(s.process.hProcess, 30000) != WAIT_OBJECT_0)
    TerminateProcess(s.process.hProcess, 98);  // its pipes close, the readers end
  WaitForSingleObject(s.process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(s.process.hProcess, &code);
  CloseHandle(s.process.hProcess);
  CloseHandle(s.process.hThread);
  return code;
}

}  // namespace

ProbeResult RunProbe(const std::wstring& arguments, const std::wstring& dir) {
  ProbeResult result;
  Started s = Start(arguments, dir);
  if (!s.ok) {
    result.exitCode = static_cast<DWORD>(-1);
    return result;
  }
  PipeReader out(s.out), err(s.err);
  result.exitCode = Finish(s);
  result.out = out.Finish();
  result.err = err.Finish();
  return result;
}

}  // namespace qv::test
