#include "app/layout.h"

#include "rtfkit/report_reader.h"
#include "rtfkit/text.h"

namespace qv {

Variant DetectLayout(const std::string& fileName) {
  // The line buffer starts empty for every file: a batch run empties it
  // before each report, and a single conversion reads just one.
  std::string line;
  ReportReader report(fileName);
  while (!report.Eof() && !Contains(AsciiLowerCase(line), "<title>")) line = report.ReadLine();
  const std::string lower = AsciiLowerCase(line);
  return Contains(lower, "<title>") && Contains(lower, "</title>") ? Variant::kRtf
                                                                     : Variant::kRtfUj;
}

}  // namespace qv
