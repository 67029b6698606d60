#include "platform/system_error.h"

#include "platform/win32/wide.h"

namespace qv {

int LastSystemError() { return static_cast<int>(GetLastError()); }

std::string SystemErrorText(int code) {
  const std::string text = win32::SystemMessage(static_cast<DWORD>(code));
  return text.empty() ? "rendszerhiba " + std::to_string(static_cast<DWORD>(code)) : text;
}

bool IsMissingFileError(int code) {
  switch (static_cast<DWORD>(code)) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DIRECTORY: return true;
    default: return false;
  }
}

bool IsFileInUseError(int code) {
  return static_cast<DWORD>(code) == ERROR_SHARING_VIOLATION ||
         static_cast<DWORD>(code) == ERROR_LOCK_VIOLATION;
}

}  // namespace qv
