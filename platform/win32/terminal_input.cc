#include "platform/terminal_input.h"

#include <cstdio>

#include "platform/win32/wide.h"

namespace qv {
namespace {

// The prompt in one piece: on a console as wide text, with its accents.
void ShowPrompt(const std::string& prompt) {
  const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  if (GetConsoleMode(error, &mode)) {
    const std::wstring wide = win32::Wide(prompt);
    DWORD written = 0;
    WriteConsoleW(error, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  } else {
    std::fwrite(prompt.data(), 1, prompt.size(), stderr);
    std::fflush(stderr);
  }
}

}  // namespace

bool InputIsTerminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

std::string ReadHiddenLine(const std::string& prompt) {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  DWORD before = 0;
  const bool console = GetConsoleMode(input, &before) != 0;
  // Echo goes off before the prompt shows: nothing typed after it is seen.
  if (console)
    SetConsoleMode(input, (before | ENABLE_LINE_INPUT | ENABLE_PROCESSED_INPUT) & ~ENABLE_ECHO_INPUT);
  ShowPrompt(prompt);
  if (!console) {  // bytes of a file or pipe, taken as they come
    std::string line;
    for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar())
      line += static_cast<char>(c);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }
  std::wstring typed;
  {
    wchar_t buffer[256];
    DWORD n = 0;
    while (ReadConsoleW(input, buffer, 256, &n, nullptr) && n > 0) {
      typed.append(buffer, n);
      if (typed.back() == L'\n') break;
    }
    SetConsoleMode(input, before);
    ShowPrompt("\r\n");  // the Enter was not shown
  }
  while (!typed.empty() && (typed.back() == L'\n' || typed.back() == L'\r')) typed.pop_back();
  return win32::NameOf(typed);
}

}  // namespace qv
