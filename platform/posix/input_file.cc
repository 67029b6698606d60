#include "platform/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/system_error.h"

namespace qv {
namespace {

InputProblem SystemProblem(int err) {
  return InputProblem{FileOp::kOpen, IsMissingFileError(err), FileErrorReason(err)};
}

}  // namespace

int OpenRegularFile(const std::string& path, InputProblem* problem) {
  // O_NONBLOCK: opening a pipe must not wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    *problem = SystemProblem(errno);
    return -1;
  }
  struct stat info;
  InputProblem found;
  if (::fstat(fd, &info) != 0)
    found = SystemProblem(errno);
  else if (S_ISDIR(info.st_mode))
    found = InputProblem{FileOp::kOpen, false, file_reason::kFolder};
  else if (!S_ISREG(info.st_mode))
    found = InputProblem{FileOp::kOpen, false, file_reason::kNotRegular};
  else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
    found = SystemProblem(errno);
  else
    return fd;
  ::close(fd);
  *problem = found;
  return -1;
}

std::int64_t ReadFileBytes(int fd, char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t n = ::read(fd, buffer, size);
    if (n >= 0 || errno != EINTR) return n;
  }
}

bool SeekFile(int fd, std::int64_t offset) {
  return ::lseek(fd, static_cast<off_t>(offset), SEEK_SET) >= 0;
}

std::int64_t OpenFileSize(int fd) {
  struct stat info;
  if (::fstat(fd, &info) != 0) return -1;
  return info.st_size;
}

void CloseFile(int fd) { ::close(fd); }

bool PathExists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0;
}

bool FileExists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

}  // namespace qv
