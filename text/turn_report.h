// What the tool takes for a turn report, and which of its two layouts a
// report has. A turn report is a file in which some line holds "<title"
// (any case). Anything else (an empty file, an editor's note, a site's
// login page) is never converted, paged or stored as a report, so it cannot
// replace the document, page or report of an earlier run.
#pragma once

#include <string_view>

#include "text/report_reader.h"

namespace qv {

// The two report layouts, each read by its own rules.
enum class Layout {
  kOlder,  // the title tag stands on one line; one table cell a line
  kNewer,  // a whole table row a line
};

// True when text holds "<title" in any case.
bool HoldsTitleTag(std::string_view text);

// What the report's lines up to its first line holding "<title>" (any case)
// tell.
struct TitleScan {
  // kOlder when that line also holds "</title>", else kNewer (also for a
  // report without any "<title>" line, or an empty one).
  Layout layout;
  bool titled;  // some line read holds "<title" (HoldsTitleTag)
};

// Reads the report from its start up to its first "<title>" line and leaves
// it at its start again.
TitleScan ScanTitle(ReportReader& report);

// The layout of a report that is to be converted or paged: a report in which
// no line holds "<title" (an empty one included) is refused with a
// qv::Error naming the file, before anything is written for it. Leaves the
// report at its start.
Layout TurnReportLayout(ReportReader& report);

}  // namespace qv
