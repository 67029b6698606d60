#include "platform/input_file.h"

#include <fcntl.h>
#include <io.h>

#include "platform/system_error.h"
#include "platform/win32/wide.h"

namespace qv {
namespace {

InputProblem SystemProblem(DWORD error) {
  const int code = static_cast<int>(error);
  return InputProblem{FileOp::kOpen, IsMissingFileError(code), FileErrorReason(code)};
}

HANDLE HandleOf(int fd) { return reinterpret_cast<HANDLE>(_get_osfhandle(fd)); }

}  // namespace

int OpenRegularFile(const std::string& path, InputProblem* problem) {
  const std::wstring wide = win32::WideName(path);
  // Others may read, write and rename it meanwhile, as on POSIX systems.
  const HANDLE file =
      CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    // A folder cannot be opened as a file: Windows says "access denied",
    // the tool says what stands there.
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    *problem = error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
                       (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
                   ? InputProblem{FileOp::kOpen, false, file_reason::kFolder}
                   : SystemProblem(error);
    return -1;
  }
  // A device (CON, NUL, COM1) or a pipe is no regular file.
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    *problem = InputProblem{FileOp::kOpen, false, file_reason::kNotRegular};
    return -1;
  }
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
  if (fd < 0) {
    CloseHandle(file);
    *problem = InputProblem{FileOp::kOpen, false, file_reason::kTooManyOpen};
  }
  return fd;
}

// Straight on the handle, so that a failure leaves the system's code for
// LastSystemError().
std::int64_t ReadFileBytes(int fd, char* buffer, std::size_t size) {
  const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
  DWORD got = 0;
  if (!ReadFile(HandleOf(fd), buffer, chunk, &got, nullptr)) return -1;
  return got;
}

bool SeekFile(int fd, std::int64_t offset) {
  LARGE_INTEGER to;
  to.QuadPart = offset;
  return SetFilePointerEx(HandleOf(fd), to, nullptr, FILE_BEGIN) != 0;
}

std::int64_t OpenFileSize(int fd) {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(HandleOf(fd), &size)) return -1;
  return size.QuadPart;
}

void CloseFile(int fd) { _close(fd); }

bool PathExists(const std::string& path) {
  return GetFileAttributesW(win32::WideName(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(win32::WideName(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace qv
