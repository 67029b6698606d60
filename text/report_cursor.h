// A report read line by line: the line last read and the lookups every pass
// over a report makes on it. The converter's and the page's run states are
// built on it.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "text/report_reader.h"
#include "text/search.h"

namespace qv {

class ReportCursor {
 public:
  explicit ReportCursor(ReportReader& report) : report(report) {}

  ReportReader& report;
  std::string currentLine;  // the last line read from the report

  bool Eof() { return report.Eof(); }
  // Reads the next report line into currentLine and returns it.
  const std::string& ReadLine() {
    report.ReadLine(currentLine);
    return currentLine;
  }

  bool CurrentHolds(std::string_view marker) const;
  // The same for a marker looked for in line after line.
  bool CurrentHolds(const Needle& marker) const { return marker.In(currentLine); }
  bool HoldsAny(std::span<const std::string_view> markers) const;
  bool HoldsAny(std::initializer_list<std::string_view> markers) const {
    return HoldsAny(std::span<const std::string_view>(markers.begin(), markers.size()));
  }

  // Reads on until currentLine holds one of the markers (or the report
  // ends); a line that already holds one is not passed over.
  void ReadUntilAny(std::span<const std::string_view> markers);
  void ReadUntilAny(std::initializer_list<std::string_view> markers) {
    ReadUntilAny(std::span<const std::string_view>(markers.begin(), markers.size()));
  }
};

}  // namespace qv
