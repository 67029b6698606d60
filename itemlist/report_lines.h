// The report's lines as the item-list page reads them: ReportReader's lines
// with the control bytes a page must not carry dropped (DropControlBytes),
// cut straight from the reader's buffer loads. Each load is looked through
// for such bytes once; a line is copied once, into the caller's string, and
// only a line that holds such a byte is looked at byte by byte.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "text/report_reader.h"

namespace qv {

class ReportLines {
 public:
  // Reads `report` from where it stands.
  explicit ReportLines(ReportReader& report) : report_(report) {}

  // True when no byte is left to read.
  bool Eof() { return begin_ == load_.size() && !NextLoad(); }
  // The next line, without its line end and its control bytes; empty at the
  // end of the report. Throws as ReportReader::ReadLine does, for a line
  // longer than kMaxLineBytes too.
  void ReadLine(std::string& line);
  // The same line without a copy: a view into the buffer load where the
  // line loses no byte, else into a copy of it. It holds until the next
  // read; LastLine() gives it again.
  std::string_view ReadLineView() {
    // Most lines end in CR LF in the load at hand, before any byte that a
    // line would lose: they are cut here.
    if (begin_ < stray_) {
      const char* const start = load_.data() + begin_;
      if (const void* lf = std::memchr(start, '\n', stray_ - begin_)) {
        // The byte before a line feed below stray_ is the CR of a CR LF.
        const std::size_t size = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
        if (size >= 1 && size - 1 <= kMaxLineBytes) {
          begin_ += size + 1;
          last_ = std::string_view(start, size - 1);
          lastInLoad_ = true;
          return last_;
        }
      }
    }
    return Next(cleaned_);
  }
  // The line the last read gave if that was ReadLineView (else empty, and
  // after Seek): it holds until the next read, past the next buffer load
  // that Eof() may take too.
  std::string_view LastLine() const { return last_; }

  // Passes over lines from the next one on that hold none of the markers,
  // and returns their bytes as they stand: lines that end in CR LF and lose
  // no byte, of the buffer load at hand, so each is its text and CR LF. It
  // stops at the first line that may hold a marker and keeps at least one
  // line of the load to be read, so the report's last line is always read.
  std::string_view PassLinesWithout(std::span<const std::string_view> markers);

  // The offset of the first byte of the next line; Seek() returns there.
  std::int64_t Position() const { return loadStart_ + static_cast<std::int64_t>(begin_); }
  void Seek(std::int64_t offset);

 private:
  bool NextLoad();  // the reader's next buffer load; false at the end
  // The next line: a view into the load, or into `copy` where the line
  // loses bytes or spans loads.
  std::string_view Next(std::string& copy);
  [[noreturn]] void LineTooLong() const;

  ReportReader& report_;
  std::string_view load_;  // the reader's buffer load being cut
  std::size_t begin_ = 0;  // the next line starts here in load_
  // The first byte from begin_ on that a line would lose, or a line feed
  // without a CR before it (or load_'s size): the lines that end before it
  // end in CR LF and are copied as they stand.
  std::size_t stray_ = 0;
  std::int64_t loadStart_ = 0;  // the offset of load_[0] in the report
  bool started_ = false;        // loadStart_ is known
  std::string pieces_;          // a line that spans buffer loads
  std::string_view last_;       // the last line read
  bool lastInLoad_ = false;     // last_ lies in load_
  std::string cleaned_;         // ReadLineView's line when it is no view into the load
  std::string kept_;            // last_ kept from a load that was replaced
};

// Copies `raw` (a line without its line feed) into `line` without the
// bytes that IsDroppedControl names.
void AssignWithoutControlBytes(std::string_view raw, std::string& line);

}  // namespace qv
