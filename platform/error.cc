#include "platform/error.h"

#include "platform/system_error.h"

namespace qv {

Error::Error(std::string kind, const std::string& text)
    : std::runtime_error(kind + ": " + text), kind_(std::move(kind)), text_(text) {}

std::string FileProblemText(FileOp op, const std::string& name, const std::string& reason) {
  const char* failed = "";
  switch (op) {
    case FileOp::kOpen: failed = "nem nyithato meg"; break;
    case FileOp::kRead: failed = "nem olvashato"; break;
    case FileOp::kWrite: failed = "nem irhato"; break;
    case FileOp::kCreate: failed = "nem hozhato letre"; break;
    case FileOp::kList: failed = "tartalma nem listazhato"; break;
  }
  return "'" + name + "' " + failed + ": " + reason;
}

void ThrowFileProblem(FileOp op, const std::string& name, const std::string& reason) {
  throw Error(error_kind::kFile, FileProblemText(op, name, reason));
}

std::string FileErrorReason(int systemError) {
  return IsFileInUseError(systemError) ? file_reason::kInUse : SystemErrorText(systemError);
}

void ThrowFileError(FileOp op, const std::string& name, int systemError) {
  ThrowFileProblem(op, name, FileErrorReason(systemError));
}

}  // namespace qv
