#include "platform/system_error.h"

#include <cerrno>
#include <cstring>

namespace qv {

int LastSystemError() { return errno; }

std::string SystemErrorText(int code) { return std::strerror(code); }

bool IsMissingFileError(int code) { return code == ENOENT || code == ENOTDIR; }

bool IsFileInUseError(int) { return false; }

}  // namespace qv
