// Runs of the built tool on Windows: CreateProcessW with a wide command line
// and environment made from the Windows-1250 texts, the output streams read
// through pipes, as a command prompt's "|" would take them.
#include <windows.h>

#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/encoding.h"
#include "tests/support/tool_run.h"
#include "tests/support/win32/pipe_reader.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

std::wstring Wide(const std::string& cp1250) {
  const std::u16string wide = Cp1250ToUtf16(cp1250);
  return std::wstring(wide.begin(), wide.end());
}

// One argument quoted as the C runtime splits a command line again.
std::wstring Quoted(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(2 * backslashes, L'\\');
  return out + L"\"";
}

// The environment block: NAME=VALUE texts, a later one replacing an earlier
// one of the same name (names compared as Windows does, case aside) and
// "NAME=" removing it, sorted, each ended by a null and the block by one
// more.
std::wstring EnvironmentBlock(const std::vector<std::string>& env) {
  struct NoCase {
    bool operator()(const std::wstring& a, const std::wstring& b) const {
      return _wcsicmp(a.c_str(), b.c_str()) < 0;
    }
  };
  std::map<std::wstring, std::wstring, NoCase> vars;
  for (const std::string& entry : env) {
    const std::wstring wide = Wide(entry);
    const std::size_t eq = wide.find(L'=', 1);
    if (eq == std::wstring::npos) continue;
    if (eq + 1 == wide.size())
      vars.erase(wide.substr(0, eq));
    else
      vars[wide.substr(0, eq)] = wide;
  }
  std::wstring block;
  for (const auto& [name, entry] : vars) block += entry + L'\0';
  return block + L'\0';
}

// Standard input for a child: the NUL device, or a pipe that holds input
// and is closed behind it.
HANDLE InputFor(const std::string& input, SECURITY_ATTRIBUTES* inherit) {
  if (input.empty())
    return CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, inherit,
                       OPEN_EXISTING, 0, nullptr);
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, inherit, static_cast<DWORD>(input.size())))
    throw std::runtime_error("cannot make a pipe");
  SetHandleInformation(write, HANDLE_FLAG_INHERIT, 0);
  DWORD written = 0;
  const bool ok =
      WriteFile(write, input.data(), static_cast<DWORD>(input.size()), &written, nullptr) &&
      written == input.size();
  CloseHandle(write);
  if (!ok) throw std::runtime_error("cannot write a child's input");
  return read;
}

// Starts program in dir with the streams caught (standard output into
// stdoutFile instead when one is named) and input on standard input, and
// waits at most timeoutMs; a program still running then is ended (exit
// status -1).
ProgramResult Launch(const std::string& program, const std::vector<std::string>& args,
                     const std::vector<std::string>& env, const std::string& dir,
                     const std::string& stdoutFile, const std::string& input, DWORD timeoutMs) {
  std::wstring commandLine = Quoted(Wide(program));
  for (const std::string& arg : args) commandLine += L" " + Quoted(Wide(arg));
  std::wstring environment = env.empty() ? std::wstring() : EnvironmentBlock(env);

  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
  const bool caught = stdoutFile.empty();
  if (caught) {
    if (!CreatePipe(&outRead, &outWrite, &inherit, 0))
      throw std::runtime_error("cannot make a pipe");
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
  } else {
    outWrite = CreateFileW(Wide(stdoutFile).c_str(), GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    if (outWrite == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + stdoutFile);
  }
  if (!CreatePipe(&errRead, &errWrite, &inherit, 0)) throw std::runtime_error("cannot make a pipe");
  SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
  HANDLE in = InputFor(input, &inherit);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in;
  startup.hStdOutput = outWrite;
  startup.hStdError = errWrite;
  PROCESS_INFORMATION process{};
  const std::wstring wideDir = Wide(dir);
  const bool started =
      CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                     CREATE_UNICODE_ENVIRONMENT, environment.empty() ? nullptr : environment.data(),
                     wideDir.empty() ? nullptr : wideDir.c_str(), &startup, &process) != 0;
  CloseHandle(outWrite);
  CloseHandle(errWrite);
  CloseHandle(in);
  std::unique_ptr<PipeReader> out(caught ? new PipeReader(outRead) : nullptr);
  PipeReader err(errRead);
  ProgramResult result;
  if (!started) {
    if (out) out->Finish();
    err.Finish();
    throw std::runtime_error("cannot start " + program);
  }
  bool killed = false;
  if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 99);  // its pipes close, the readers end
    killed = true;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  result.exitStatus = killed ? -1 : static_cast<int>(code);
  if (out) result.out = out->Finish();
  result.err = err.Finish();
  return result;
}

}  // namespace

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& env, const std::string& dir,
                         int timeoutMs) {
  return Launch(program, args, env, dir, "", "", static_cast<DWORD>(timeoutMs));
}

std::vector<std::string> ToolEnvironment(const std::string& userRoot) {
  std::vector<std::string> env;
  // Windows programs need the system's own variables (SystemRoot, TEMP, ...).
  if (wchar_t* block = GetEnvironmentStringsW()) {
    for (const wchar_t* entry = block; *entry != L'\0'; entry += wcslen(entry) + 1) {
      std::string text;
      const std::wstring_view wide(entry);
      if (Utf16ToCp1250(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()),
                                            wide.size()),
                        &text) &&
          text[0] != '=')
        env.push_back(text);
    }
    FreeEnvironmentStringsW(block);
  }
  // The tester's own settings for the tool stay out.
  for (const char* name : {"QVFORMAT_HOST", "QVFORMAT_PORT", "QVFORMAT_PASSWORD",
                           "QVFORMAT_OWN_CONSOLE", "SSL_CERT_FILE"})
    env.push_back(std::string(name) + "=");
  env.push_back("APPDATA=" + userRoot);
  env.push_back("LOCALAPPDATA=" + userRoot);
  // No page is opened in a browser: the tool names it instead.
  env.push_back("QVFORMAT_NO_OPEN=1");
  return env;
}

std::string UserFolderText(const std::string& userRoot) { return userRoot + "\\qvformat\\"; }

ToolCopy::ToolCopy(const std::string& builtTool)
    : built_(builtTool), exe_(folder_.path() + "\\qvformat.exe") {
  std::error_code error;
  if (!fs::copy_file(built_, exe_, error))
    throw std::runtime_error("cannot copy " + built_ + ": " + error.message());
}

std::string ToolCopy::ExeDirText() const { return folder_.path() + "\\"; }

void ToolCopy::LinkBuiltPictures() const {
  // Links to folders need rights a test does not have here: a copy.
  const fs::path built = fs::path(built_).parent_path() / "picture";
  const fs::path ours = fs::path(folder_.path()) / "picture";
  std::error_code error;
  if (fs::is_directory(built, error) && !fs::exists(ours, error))
    fs::copy(built, ours, fs::copy_options::recursive, error);
}

ToolOutcome ToolCopy::Run(const ToolRequest& request) const {
  if (request.inChild) throw std::logic_error("no preparation in the child on Windows");
  const ProgramResult r = Launch(exe_, request.args, request.env, request.dir, request.stdoutFile,
                                 request.input, 120000);
  return ToolOutcome{r.exitStatus, r.out, r.err};
}

}  // namespace qv::test
