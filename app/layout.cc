#include "app/layout.h"

#include "text/report_reader.h"
#include "text/text.h"

namespace qv {

Layout DetectLayout(const std::string& fileName) {
  // The line buffer starts empty for every file: a batch run empties it
  // before each report, and a single conversion reads just one.
  std::string line;
  ReportReader report(fileName);
  while (!report.Eof() && !Contains(AsciiLowerCase(line), "<title>")) line = report.ReadLine();
  const std::string lower = AsciiLowerCase(line);
  return Contains(lower, "<title>") && Contains(lower, "</title>") ? Layout::kRtf : Layout::kRtfUj;
}

}  // namespace qv
