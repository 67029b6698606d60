#include "text/report_reader.h"

#include <cstring>

#include "platform/error.h"
#include "platform/input_file.h"
#include "platform/system_error.h"

namespace qv {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

}  // namespace

ReportReader::ReportReader(const std::string& fileName) : name_(fileName) {
  InputProblem problem;
  fd_ = OpenRegularFile(fileName, &problem);
  if (fd_ < 0) ThrowFileProblem(problem.operation, name_, problem.reason);
  buffer_.resize(kBufferSize);
}

ReportReader::~ReportReader() {
  if (fd_ >= 0) CloseFile(fd_);
}

bool ReportReader::Fill() {
  if (begin_ < end_) return true;
  if (atEnd_) return false;
  bufferStart_ += static_cast<std::int64_t>(end_);
  begin_ = end_ = 0;
  const std::int64_t got = ReadFileBytes(fd_, buffer_.data(), buffer_.size());
  if (got < 0) ThrowFileError(FileOp::kRead, name_, LastSystemError());
  if (got == 0) {
    atEnd_ = true;
    return false;
  }
  end_ = static_cast<std::size_t>(got);
  return true;
}

bool ReportReader::Eof() { return !Fill(); }

std::string ReportReader::ReadLine() {
  std::string line;
  ReadLine(line);
  return line;
}

void ReportReader::ReadLine(std::string& line) {
  line.clear();
  while (Fill()) {
    const char* start = buffer_.data() + begin_;
    const std::size_t available = end_ - begin_;
    const void* lf = std::memchr(start, '\n', available);
    const std::size_t taken =
        lf == nullptr ? available : static_cast<std::size_t>(static_cast<const char*>(lf) - start);
    // One byte of slack for the CR of a CR LF; the line itself is checked
    // once it is complete.
    if (line.size() + taken > kMaxLineBytes + 1) LineTooLong();
    line.append(start, taken);
    if (lf == nullptr) {
      begin_ = end_;
      continue;
    }
    begin_ += taken + 1;
    // The CR of a CR LF may have come with the previous buffer load.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    break;
  }
  if (line.size() > kMaxLineBytes) LineTooLong();
}

std::string_view ReportReader::ReadChunk() {
  if (!Fill()) return {};
  const std::string_view chunk(buffer_.data() + begin_, end_ - begin_);
  begin_ = end_;
  return chunk;
}

void ReportReader::LineTooLong() const {
  ThrowFileProblem(FileOp::kRead, name_,
                   "egy sora hosszabb, mint " + std::to_string(kMaxLineBytes >> 20) + " MB");
}

std::int64_t ReportReader::TextFilePos() const {
  return bufferStart_ + static_cast<std::int64_t>(begin_);
}

void ReportReader::TextFileSeek(std::int64_t offset) {
  if (!SeekFile(fd_, offset)) ThrowFileError(FileOp::kRead, name_, LastSystemError());
  bufferStart_ = offset;
  begin_ = end_ = 0;
  atEnd_ = false;
}

std::int64_t ReportReader::FileSize() const { return OpenFileSize(fd_); }

}  // namespace qv
