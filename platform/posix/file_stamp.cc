#include "platform/posix/file_stamp.h"

#include <sys/stat.h>

#include <cerrno>

namespace qv {

std::string FileStamp::Text() const {
  return std::string(1, kind) + ":" + std::to_string(size) + ":" + std::to_string(changedNs);
}

FileStamp StampOf(const std::string& path) {
  FileStamp stamp;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return stamp;
  stamp.kind = S_ISREG(st.st_mode) ? 'f' : S_ISDIR(st.st_mode) ? 'd' : 'o';
  stamp.size = static_cast<std::int64_t>(st.st_size);
  stamp.changedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 +
                    static_cast<std::int64_t>(st.st_mtim.tv_nsec);
  return stamp;
}

bool MakeFolders(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (path.empty()) return false;
  if (StampOf(path).kind == 'd') return true;
  const std::size_t slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !MakeFolders(path.substr(0, slash))) return false;
  return ::mkdir(path.c_str(), 0700) == 0 || (errno == EEXIST && StampOf(path).kind == 'd');
}

}  // namespace qv
