#include "app/layout.h"

#include "platform/error.h"
#include "site/turn_report.h"
#include "text/report_reader.h"
#include "text/text.h"

namespace qv {
namespace {

struct TitleScan {
  Layout layout;
  bool titled;  // some line read holds "<title"
};

TitleScan ScanToTitle(const std::string& fileName) {
  // The line buffer starts empty for every file: a batch run empties it
  // before each report, and a single conversion reads just one.
  std::string lower;  // the line read last, lower-cased
  bool titled = false;
  ReportReader report(fileName);
  while (!report.Eof() && !Contains(lower, "<title>")) {
    lower = AsciiLowerCase(report.ReadLine());
    titled = titled || HoldsTitleTag(lower);
  }
  const Layout layout =
      Contains(lower, "<title>") && Contains(lower, "</title>") ? Layout::kRtf : Layout::kRtfUj;
  return {layout, titled};
}

}  // namespace

Layout DetectLayout(const std::string& fileName) { return ScanToTitle(fileName).layout; }

Layout TurnReportLayout(const std::string& fileName) {
  const TitleScan scan = ScanToTitle(fileName);
  if (!scan.titled)
    throw Error(error_kind::kReport,
                "'" + fileName + "' nem fordulo: egyik soraban sincs \"<title\"");
  return scan.layout;
}

}  // namespace qv
