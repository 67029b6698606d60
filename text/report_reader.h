// Line reader for an input report, with byte-offset marks.
//
// Lines end at CR LF or LF (a lone CR stays in the line); a last line without
// a line end is still a line. TextFilePos gives the offset of the first byte
// of the next line to be read; TextFileSeek returns there, so a mark taken
// before reading ahead makes the next read return the same line again.
//
// Only regular files are read, and a line may hold at most kMaxLineBytes:
// a real report line is at most some hundred kilobytes (the older layout's
// map applet stands on one line), and the text helpers count positions in
// int, so a line of gigabytes must never reach them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

inline constexpr std::size_t kMaxLineBytes = std::size_t{16} << 20;

class ReportReader {
 public:
  // Opens the file for reading; throws qv::Error naming the file when it
  // cannot be opened, is a directory or is no regular file (a device, a
  // pipe).
  explicit ReportReader(const std::string& fileName);
  ~ReportReader();
  ReportReader(const ReportReader&) = delete;
  ReportReader& operator=(const ReportReader&) = delete;

  // True when no byte is left to read.
  bool Eof();
  // The next line without its line end; empty at the end of the file.
  // Throws qv::Error naming the file when the line is longer than
  // kMaxLineBytes or the file cannot be read.
  std::string ReadLine();
  // The same into `line`, whose storage is reused from line to line.
  void ReadLine(std::string& line);
  // The bytes from the read position on as they stand, a buffer load at a
  // time (64 KiB but at the file's end): each call moves past the bytes it
  // returns; empty at the end of the file. Throws like ReadLine when the
  // file cannot be read.
  std::string_view ReadChunk();

  std::int64_t TextFilePos() const;
  void TextFileSeek(std::int64_t offset);

  const std::string& name() const { return name_; }
  // The file's size in bytes, or -1 when the system cannot tell.
  std::int64_t FileSize() const;
  // Throws the error of a line longer than kMaxLineBytes, for the readers
  // that cut lines from ReadChunk's loads themselves.
  [[noreturn]] void LineTooLong() const;

 private:
  bool Fill();  // reads more bytes into the buffer; false at end of file

  std::string name_;
  int fd_ = -1;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;         // next unconsumed byte in buffer_
  std::size_t end_ = 0;           // bytes valid in buffer_
  std::int64_t bufferStart_ = 0;  // file offset of buffer_[0]
  bool atEnd_ = false;
};

}  // namespace qv
