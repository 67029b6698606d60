#include "platform/environment.h"

#include <cstdlib>

#include "platform/win32/wide.h"

namespace qv {

std::string EnvironmentText(const char* name) {
  const std::string narrow = name;
  const wchar_t* value = _wgetenv(std::wstring(narrow.begin(), narrow.end()).c_str());
  return value != nullptr ? win32::NameOf(value) : "";
}

}  // namespace qv
