#include "platform/path_names.h"

namespace qv {

std::size_t FileNameStart(const std::string& path) {
#ifdef _WIN32
  const char* separators = "/\\:";
#else
  const char* separators = "/";
#endif
  const std::size_t slash = path.find_last_of(separators);
  return slash == std::string::npos ? 0 : slash + 1;
}

}  // namespace qv
