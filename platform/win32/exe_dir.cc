#include "platform/exe_dir.h"

#include <vector>

#include "platform/error.h"
#include "platform/system_error.h"
#include "platform/win32/wide.h"

namespace qv {

std::string ExecutableDir() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0)
      throw Error(error_kind::kFile,
                  "a program mappaja nem allapithato meg: " + SystemErrorText(LastSystemError()));
    if (n < buffer.size()) {
      std::wstring path(buffer.data(), n);
      path.resize(path.find_last_of(L"\\/") + 1);
      return win32::NameOf(path);
    }
    buffer.resize(buffer.size() * 2);  // the name may have been cut short
  }
}

}  // namespace qv
