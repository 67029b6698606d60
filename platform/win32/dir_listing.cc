#include "platform/dir_listing.h"

#include <algorithm>

#include "platform/error.h"
#include "platform/win32/wide.h"

namespace qv {

std::vector<std::string> ListDirectory(const std::string& dir) {
  std::string pattern = dir;
  if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/') pattern += '\\';
  pattern += '*';
  WIN32_FIND_DATAW entry;
  const HANDLE find = FindFirstFileExW(win32::WideName(pattern).c_str(), FindExInfoStandard, &entry,
                                       FindExSearchNameMatch, nullptr, 0);
  std::vector<std::string> names;
  if (find == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    // The root of a drive has no "." entry: an empty one finds nothing.
    if (error == ERROR_FILE_NOT_FOUND) return names;
    ThrowFileError(FileOp::kList, dir, static_cast<int>(error));
  }
  DWORD error = ERROR_NO_MORE_FILES;
  for (bool more = true; more; more = FindNextFileW(find, &entry) || (error = GetLastError(), false)) {
    const std::wstring longName = entry.cFileName;
    if (longName == L"." || longName == L"..") continue;
    names.push_back(win32::NameOf(longName));
  }
  FindClose(find);
  if (error != ERROR_NO_MORE_FILES) ThrowFileError(FileOp::kList, dir, static_cast<int>(error));
  std::sort(names.begin(), names.end());  // byte order, as on every system
  return names;
}

}  // namespace qv
