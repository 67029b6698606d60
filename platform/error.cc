#include "platform/error.h"

#include <cstring>

namespace qv {

Error::Error(std::string kind, const std::string& text)
    : std::runtime_error(kind + ": " + text), kind_(std::move(kind)), text_(text) {}

void ThrowFileError(const std::string& what, const std::string& name, int errno_value) {
  throw Error("I/O error", "cannot " + what + " '" + name + "': " + std::strerror(errno_value));
}

}  // namespace qv
