#include "text/cut_report.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "platform/error.h"
#include "platform/input_file.h"
#include "platform/path_names.h"
#include "text/report_markers.h"
#include "text/text.h"
#include "text/whole_report.h"

namespace qv {
namespace {

// Whether the report holds the closing tag from byte `from` on, read from
// where it stands in the reader's chunks, each searched together with the
// last bytes of the one before, so a tag across two chunks is found too.
bool HoldsClosingTag(ReportReader& report, std::int64_t from) {
  report.TextFileSeek(from);
  std::string window;
  for (std::string_view chunk = report.ReadChunk(); !chunk.empty(); chunk = report.ReadChunk()) {
    window.append(chunk);
    if (IsWholeReport(window)) return true;
    window.erase(0, window.size() - std::min(window.size(), qv::report::kHtmlEnd.size() - 1));
  }
  return false;
}

}  // namespace

bool ReportIsWhole(ReportReader& report) {
  bool whole = true;
  try {
    // The tag stands near the end of a whole report: its last bytes are
    // looked at first, the whole file only when the tag is not there.
    constexpr std::int64_t kTail = 64 * 1024;
    const std::int64_t size = report.FileSize();
    whole = (size > kTail && HoldsClosingTag(report, size - kTail)) || HoldsClosingTag(report, 0);
  } catch (const Error&) {
    // A report that cannot be read is left to the conversion to refuse.
  }
  report.TextFileSeek(0);
  return whole;
}

std::string CutReportOutputName(const std::string& outputName) {
  const std::size_t start = FileNameStart(outputName);
  std::size_t dot = outputName.rfind('.');
  if (dot == std::string::npos || dot < start) dot = outputName.size();
  return outputName.substr(0, dot) + "-csonka" + outputName.substr(dot);
}

std::string OutputNameFor(ReportReader& report, const std::string& outputName, Console& console) {
  if (ReportIsWhole(report)) return outputName;
  const std::string cut = "A fordulo csonka (nincs zaro " + std::string(qv::report::kHtmlEnd) + ")";
  if (outputName.empty()) {
    console.Line(cut + ", a kimenet hianyos.");
    return outputName;
  }
  if (!PathExists(outputName)) {
    console.LineWithName(cut + ", a kimenet hianyos: ", outputName);
    return outputName;
  }
  const std::string beside = CutReportOutputName(outputName);
  console.LineWithName(cut + ", a korabbi kimenet megmarad, az uj: ", beside);
  return beside;
}

}  // namespace qv
