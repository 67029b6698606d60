#include "text/cut_report.h"

#include <algorithm>
#include <string_view>

#include "platform/error.h"
#include "platform/input_file.h"
#include "platform/path_names.h"
#include "text/text.h"

namespace qv {
namespace {

constexpr std::string_view kClosingTag = "</html>";

// Whether the report holds the closing tag, read from where it stands in
// the reader's chunks, each searched together with the last bytes of the one
// before, so a tag across two chunks is found too.
bool HoldsClosingTag(ReportReader& report) {
  std::string window;
  for (std::string_view chunk = report.ReadChunk(); !chunk.empty(); chunk = report.ReadChunk()) {
    window.append(chunk);
    // Looked for in place: a lowered copy of every chunk would cost a
    // second pass over the report.
    if (FindLoweredFrom(window, kClosingTag) != std::string::npos) return true;
    window.erase(0, window.size() - std::min(window.size(), kClosingTag.size() - 1));
  }
  return false;
}

}  // namespace

bool ReportIsWhole(ReportReader& report) {
  bool whole = true;
  try {
    report.TextFileSeek(0);
    whole = HoldsClosingTag(report);
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
  const std::string cut = "A fordulo csonka (nincs zaro </html>)";
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
