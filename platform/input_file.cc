#include "platform/input_file.h"

#include "platform/system_error.h"

namespace qv {
namespace {

// "16 MB" for whole megabytes, else the bytes.
std::string SizeText(std::int64_t bytes) {
  constexpr std::int64_t kMb = std::int64_t{1} << 20;
  return bytes % kMb == 0 ? std::to_string(bytes / kMb) + " MB" : std::to_string(bytes) + " bajt";
}

InputProblem ReadProblem(int code) {
  return InputProblem{FileOp::kRead, false, FileErrorReason(code)};
}

}  // namespace

bool ReadRegularFile(const std::string& path, std::int64_t maxBytes, std::string* bytes,
                     InputProblem* problem) {
  const int fd = OpenRegularFile(path, problem);
  if (fd < 0) return false;
  bytes->clear();
  const InputProblem tooLarge{FileOp::kRead, false, "nagyobb, mint " + SizeText(maxBytes)};
  // A file known to be too large is not read at all; the bytes are counted
  // as they come too, so one that grows while it is read is bounded.
  const std::int64_t size = OpenFileSize(fd);
  bool ok = false;
  if (size < 0)
    *problem = ReadProblem(LastSystemError());
  else if (size > maxBytes)
    *problem = tooLarge;
  else
    ok = true;
  char buffer[65536];
  while (ok) {
    const std::int64_t n = ReadFileBytes(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      *problem = ReadProblem(LastSystemError());
      ok = false;
    } else if (static_cast<std::int64_t>(bytes->size()) + n > maxBytes) {
      *problem = tooLarge;
      ok = false;
    } else {
      bytes->append(buffer, static_cast<std::size_t>(n));
    }
  }
  CloseFile(fd);
  if (!ok) bytes->clear();
  return ok;
}

}  // namespace qv
