#include "platform/replacing_file.h"

#include <algorithm>

namespace qv {

std::string TemporaryFileName(const std::string& name, unsigned long processId, int attempt) {
#ifdef _WIN32
  const char* separators = "/\\:";
#else
  const char* separators = "/";
#endif
  const std::size_t slash = name.find_last_of(separators);
  const std::string dir = slash == std::string::npos ? "" : name.substr(0, slash + 1);
  std::string base = name.substr(dir.size());
  std::replace(base.begin(), base.end(), '_', '-');
  std::string temp = dir;
  temp += '.';
  temp += base;
  temp += ".tmp";
  temp += std::to_string(processId);
  if (attempt > 0) {
    temp += '-';
    temp += std::to_string(attempt);
  }
  return temp;
}

}  // namespace qv
