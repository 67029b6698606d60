#include "platform/desktop_open.h"

#include "platform/win32/wide.h"

#include <shellapi.h>  // after windows.h

namespace qv {

bool StartDesktopOpen(const std::string& path) {
  // The shell's "open" verb, no parameters, no working folder, shown
  // normally; values above 32 mean it was started.
  const HINSTANCE result = ShellExecuteW(nullptr, L"open", win32::WideName(path).c_str(), nullptr,
                                         nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace qv
