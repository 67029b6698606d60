#include "platform/environment.h"

#include <cstdlib>

namespace qv {

std::string EnvironmentText(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace qv
