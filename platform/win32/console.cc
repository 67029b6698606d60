#include "platform/console.h"

#include <fcntl.h>
#include <io.h>

#include "platform/encoding.h"
#include "platform/win32/wide.h"

namespace qv {
namespace {

// A console window rather than a file or pipe.
bool IsConsole(std::FILE* stream) {
  DWORD mode = 0;
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

}  // namespace

StdConsole::StdConsole() {
  // The same bytes as on every system: no "\n" turned into "\r\n" (the
  // tool writes its own CR LF). Documents written to standard output go
  // through the same descriptor.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  outTerminal_ = IsConsole(stdout);
  errTerminal_ = IsConsole(stderr);
  outShownAtOnce_ = outTerminal_;
}

void StdConsole::Write(std::FILE* stream, bool terminal, const std::string& text,
                       const std::string& localeText) {
  // The tool's text is Windows-1250, names and the system's messages UTF-8
  // (platform/win32/wide.h). A console shows both whole, whatever its code
  // page; a file or pipe gets Windows-1250 bytes, as on every system.
  if (terminal) {
    const std::wstring wide = win32::Wide(text) + win32::WideName(localeText) + L"\r\n";
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD written = 0;
    if (WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr))
      return;
  }
  const std::string line = text + Utf8ToCp1250(localeText) + "\r\n";
  Put(stream, line);
  Written(stream);
}

}  // namespace qv
