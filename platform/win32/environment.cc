#include "platform/environment.h"

#include <cstdlib>

#include "platform/win32/wide.h"

namespace qv {

std::optional<std::string> EnvironmentValue(const char* name) {
  const std::string narrow = name;
  const wchar_t* value = _wgetenv(std::wstring(narrow.begin(), narrow.end()).c_str());
  if (value == nullptr) return std::nullopt;
  return win32::NameOf(value);
}

std::string EnvironmentText(const char* name) { return EnvironmentValue(name).value_or(""); }

}  // namespace qv
