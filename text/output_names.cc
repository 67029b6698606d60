#include "text/output_names.h"

#include "platform/path_names.h"
#include "text/text.h"

namespace qv {

// The rules apply to the file's name alone (from FileNameStart on): the
// directory in front is kept as typed, since rewriting it would point into
// another one ("reports_2024\1234_57.htm" on Windows), or into another one on
// a case-sensitive file system.

std::string RtfOutputName(const std::string& reportName) {
  const std::size_t start = FileNameStart(reportName);
  const std::string name = reportName.substr(start);
  const int underscore = Find("_", name);
  const int dot = Find(".", name);
  if (underscore == 0 || dot == 0 || underscore > dot) return std::string();
  return reportName.substr(0, start) +
         ReplaceAll(".htm", ".rtf", AsciiLowerCase(ReplaceAll("_", "r", name)));
}

std::string ItemListPageName(const std::string& reportName) {
  const std::size_t start = FileNameStart(reportName);
  return reportName.substr(0, start) + ReplaceAll("_", "r", reportName.substr(start));
}

std::string DownloadedReportName(const std::string& character, const std::string& turn) {
  return character + "_" + turn + ".htm";
}

std::string DownloadedPageName(const std::string& character, const std::string& turn) {
  // The name the page of the downloaded report gets, so that a "_" in the
  // character or the turn is replaced here as well.
  return ItemListPageName(DownloadedReportName(character, turn));
}

}  // namespace qv
