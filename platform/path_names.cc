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

std::string SystemSeparators(std::string_view path) {
  std::string out(path);
#ifdef _WIN32
  for (char& c : out)
    if (c == '/') c = '\\';
#endif
  return out;
}

bool IsAbsolutePath(const std::string& name) {
  if (name.starts_with('/') || name.find(":\\") != std::string::npos) return true;
#ifdef _WIN32
  // There also "\\server\share\..." and "C:/...".
  if (name.starts_with('\\') || name.find(":/") != std::string::npos) return true;
#endif
  return false;
}

}  // namespace qv
