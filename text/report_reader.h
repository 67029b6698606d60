// Line reader for an input report, with byte-offset marks.
//
// Lines end at CR LF or LF (a lone CR stays in the line); a last line without
// a line end is still a line. TextFilePos gives the offset of the first byte
// of the next line to be read; TextFileSeek returns there, so a mark taken
// before reading ahead makes the next read return the same line again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

class ReportReader {
 public:
  // Opens the file for reading; throws qv::Error when it cannot be opened or
  // is a directory.
  explicit ReportReader(const std::string& fileName);
  ~ReportReader();
  ReportReader(const ReportReader&) = delete;
  ReportReader& operator=(const ReportReader&) = delete;

  // True when no byte is left to read.
  bool Eof();
  // The next line without its line end; empty at the end of the file.
  std::string ReadLine();

  std::int64_t TextFilePos() const;
  void TextFileSeek(std::int64_t offset);

  const std::string& name() const { return name_; }

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
