#include "platform/replacing_file.h"

#include <algorithm>

#include "platform/path_names.h"

namespace qv {

std::string TemporaryFileName(const std::string& name, unsigned long processId, int attempt) {
  const std::string dir = name.substr(0, FileNameStart(name));
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
