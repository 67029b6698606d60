#include "platform/error.h"

#include <cstring>

namespace qv {

Error::Error(std::string kind, const std::string& text)
    : std::runtime_error(kind + ": " + text), kind_(std::move(kind)), text_(text) {}

void ThrowFileError(const std::string& what, const std::string& name, int errno_value) {
  ThrowFileProblem(what, name, std::strerror(errno_value));
}

void ThrowFileProblem(const std::string& what, const std::string& name, const std::string& reason) {
  throw Error("I/O error", "cannot " + what + " '" + name + "': " + reason);
}

}  // namespace qv
