#include "platform/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace qv {
namespace {

InputProblem SystemProblem(const char* operation, int err) {
  return InputProblem{operation, err, std::strerror(err)};
}

// "16 MB" for whole megabytes, else the bytes.
std::string SizeText(std::int64_t bytes) {
  constexpr std::int64_t kMb = std::int64_t{1} << 20;
  return bytes % kMb == 0 ? std::to_string(bytes / kMb) + " MB" : std::to_string(bytes) + " bytes";
}

}  // namespace

bool InputProblem::Missing() const { return errnoValue == ENOENT || errnoValue == ENOTDIR; }

int OpenRegularFile(const std::string& path, InputProblem* problem) {
  // O_NONBLOCK: opening a pipe must not wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    *problem = SystemProblem("open", errno);
    return -1;
  }
  struct stat info;
  InputProblem found;
  if (::fstat(fd, &info) != 0)
    found = SystemProblem("open", errno);
  else if (S_ISDIR(info.st_mode))
    found = SystemProblem("open", EISDIR);
  else if (!S_ISREG(info.st_mode))
    found = InputProblem{"open", 0, "not a regular file"};
  else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
    found = SystemProblem("open", errno);
  else
    return fd;
  ::close(fd);
  *problem = found;
  return -1;
}

bool ReadRegularFile(const std::string& path, std::int64_t maxBytes, std::string* bytes,
                     InputProblem* problem) {
  const int fd = OpenRegularFile(path, problem);
  if (fd < 0) return false;
  bytes->clear();
  const InputProblem tooLarge{"read", EFBIG, "larger than " + SizeText(maxBytes)};
  // A file known to be too large is not read at all; the bytes are counted
  // as they come too, so one that grows while it is read is bounded.
  struct stat info;
  bool ok = false;
  if (::fstat(fd, &info) != 0)
    *problem = SystemProblem("read", errno);
  else if (info.st_size > maxBytes)
    *problem = tooLarge;
  else
    ok = true;
  char buffer[65536];
  while (ok) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) break;
    if (n < 0) {
      *problem = SystemProblem("read", errno);
      ok = false;
    } else if (static_cast<std::int64_t>(bytes->size()) + n > maxBytes) {
      *problem = tooLarge;
      ok = false;
    } else {
      bytes->append(buffer, static_cast<std::size_t>(n));
    }
  }
  ::close(fd);
  if (!ok) bytes->clear();
  return ok;
}

}  // namespace qv
