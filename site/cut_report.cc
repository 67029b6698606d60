#include "site/cut_report.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/input_file.h"
#include "platform/path_names.h"
#include "text/text.h"

namespace qv {
namespace {

constexpr std::string_view kClosingTag = "</html>";
constexpr std::size_t kChunk = 1 << 16;

}  // namespace

bool ReportIsWhole(const std::string& reportName) {
  InputProblem problem;
  const int fd = OpenRegularFile(reportName, &problem);
  if (fd < 0) return true;
  // Read from the start in chunks, each searched together with the last
  // bytes of the one before, so a tag across two chunks is found too.
  std::string window;
  std::vector<char> chunk(kChunk);
  bool found = false;
  std::int64_t n = 0;
  while (!found && (n = ReadFileBytes(fd, chunk.data(), chunk.size())) > 0) {
    window.append(chunk.data(), static_cast<std::size_t>(n));
    found = AsciiLowerCase(window).find(kClosingTag) != std::string::npos;
    window.erase(0, window.size() - std::min(window.size(), kClosingTag.size() - 1));
  }
  CloseFile(fd);
  return found || n < 0;
}

std::string CutReportOutputName(const std::string& outputName) {
  const std::size_t start = FileNameStart(outputName);
  std::size_t dot = outputName.rfind('.');
  if (dot == std::string::npos || dot < start) dot = outputName.size();
  return outputName.substr(0, dot) + "-csonka" + outputName.substr(dot);
}

std::string OutputNameFor(const std::string& reportName, const std::string& outputName,
                          Console& console) {
  if (ReportIsWhole(reportName)) return outputName;
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
