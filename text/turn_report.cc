#include "text/turn_report.h"

#include <string>

#include "platform/error.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {

bool HoldsTitleTag(std::string_view text) {
  constexpr std::string_view kTag = report::kTitleTagStart.substr(1);
  for (std::size_t lt = text.find('<'); lt != std::string_view::npos; lt = text.find('<', lt + 1)) {
    const std::string_view rest = text.substr(lt + 1, kTag.size());
    if (rest.size() < kTag.size()) return false;
    bool same = true;
    for (std::size_t i = 0; i < kTag.size() && same; ++i) same = (rest[i] | 0x20) == kTag[i];
    if (same) return true;
  }
  return false;
}

TitleScan ScanTitle(ReportReader& report) {
  std::string lower;  // the line read last, lower-cased
  bool titled = false;
  report.TextFileSeek(0);
  using qv::report::kTitleEnd, qv::report::kTitleStart;
  while (!report.Eof() && !Contains(lower, kTitleStart)) {
    lower = AsciiLowerCase(report.ReadLine());
    titled = titled || HoldsTitleTag(lower);
  }
  report.TextFileSeek(0);
  const Layout layout =
      Contains(lower, kTitleStart) && Contains(lower, kTitleEnd) ? Layout::kOlder : Layout::kNewer;
  return {layout, titled};
}

Layout TurnReportLayout(ReportReader& report) {
  const TitleScan scan = ScanTitle(report);
  if (!scan.titled)
    throw Error(error_kind::kReport,
                "'" + report.name() + "' nem fordulo: egyik soraban sincs \"<title\"");
  return scan.layout;
}

}  // namespace qv
