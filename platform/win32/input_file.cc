#include "platform/input_file.h"

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstring>

#include "platform/win32/wide.h"

namespace qv {
namespace {

InputProblem SystemProblem(DWORD error) {
  return InputProblem{"open", win32::ErrnoOf(error), win32::ErrorText(error)};
}

InputProblem ErrnoProblem(int err) { return InputProblem{"open", err, std::strerror(err)}; }

}  // namespace

int OpenRegularFile(const std::string& path, InputProblem* problem) {
  const std::wstring wide = win32::WideName(path);
  // Others may read, write and rename it meanwhile, as on POSIX systems.
  const HANDLE file =
      CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    // A folder cannot be opened as a file: said as on POSIX systems.
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    *problem = error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
                       (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
                   ? ErrnoProblem(EISDIR)
                   : SystemProblem(error);
    return -1;
  }
  // A device (CON, NUL, COM1) or a pipe is no regular file.
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    *problem = InputProblem{"open", 0, "not a regular file"};
    return -1;
  }
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
  if (fd < 0) {
    CloseHandle(file);
    *problem = ErrnoProblem(EMFILE);
  }
  return fd;
}

std::int64_t ReadFileBytes(int fd, char* buffer, std::size_t size) {
  const unsigned int chunk = size > (1u << 30) ? (1u << 30) : static_cast<unsigned int>(size);
  return _read(fd, buffer, chunk);
}

bool SeekFile(int fd, std::int64_t offset) { return _lseeki64(fd, offset, SEEK_SET) >= 0; }

std::int64_t OpenFileSize(int fd) { return _filelengthi64(fd); }

void CloseFile(int fd) { _close(fd); }

bool PathExists(const std::string& path) {
  return GetFileAttributesW(win32::WideName(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(win32::WideName(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace qv
