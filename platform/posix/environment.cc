#include "platform/environment.h"

#include <cstdlib>

namespace qv {

std::optional<std::string> EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

std::string EnvironmentText(const char* name) { return EnvironmentValue(name).value_or(""); }

}  // namespace qv
