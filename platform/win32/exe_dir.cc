#include "platform/exe_dir.h"

#include <vector>

#include "platform/error.h"
#include "platform/win32/wide.h"

namespace qv {

std::string ExecutableDir() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) win32::ThrowFileError("find", "the program's folder", GetLastError());
    if (n < buffer.size()) {
      std::wstring path(buffer.data(), n);
      path.resize(path.find_last_of(L"\\/") + 1);
      std::string dir;
      if (win32::Narrow(path.data(), path.size(), &dir)) return dir;
      // A folder name Windows-1250 cannot hold: its short form, if any.
      const DWORD shortSize = GetShortPathNameW(path.c_str(), nullptr, 0);
      std::vector<wchar_t> shortPath(shortSize + 1);
      const DWORD m = shortSize == 0 ? 0 : GetShortPathNameW(path.c_str(), shortPath.data(), shortSize + 1);
      if (m > 0 && m <= shortSize && win32::Narrow(shortPath.data(), m, &dir)) return dir;
      ThrowFileProblem("use", dir,
                       "the program's folder has a name that Windows-1250 cannot hold; move it");
    }
    buffer.resize(buffer.size() * 2);  // the name may have been cut short
  }
}

}  // namespace qv
