#include "platform/dir_listing.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/error.h"

namespace qv {

std::vector<std::string> ListDirectory(const std::string& dir) {
  DIR* handle = opendir(dir.c_str());
  if (handle == nullptr) ThrowFileError(FileOp::kList, dir, errno);

  std::vector<std::string> names;
  for (;;) {
    errno = 0;
    const dirent* entry = readdir(handle);
    if (entry == nullptr) {
      const int error = errno;
      closedir(handle);
      if (error != 0) ThrowFileError(FileOp::kList, dir, error);
      break;
    }
    if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
    names.emplace_back(entry->d_name);
  }
  std::sort(names.begin(), names.end());  // std::string compares bytes as unsigned char
  return names;
}

}  // namespace qv
