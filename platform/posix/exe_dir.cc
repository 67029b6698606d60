#include "platform/exe_dir.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/error.h"

namespace qv {

std::string ExecutableDir() {
  const char* link = "/proc/self/exe";
  std::vector<char> buffer(256);
  for (;;) {
    const ssize_t n = readlink(link, buffer.data(), buffer.size());
    if (n < 0) ThrowFileError(FileOp::kRead, link, errno);
    if (static_cast<std::size_t>(n) < buffer.size()) {
      std::string path(buffer.data(), static_cast<std::size_t>(n));
      return path.substr(0, path.rfind('/') + 1);
    }
    buffer.resize(buffer.size() * 2);  // the target may have been cut short
  }
}

}  // namespace qv
