#include "site/file_names.h"

#include "platform/path_names.h"
#include "text/text.h"

namespace qv {
namespace {

// The directory in front of a file's name, with its separator; the rules
// below apply to the name alone, since rewriting the directory would point
// into another one ("reports_2024\1234_57.htm" on Windows), or into another
// one on a case-sensitive file system.
std::size_t NameStart(const std::string& path) { return FileNameStart(path); }

}  // namespace

std::string RtfOutputName(const std::string& reportName) {
  const std::size_t start = NameStart(reportName);
  const std::string name = reportName.substr(start);
  const int underscore = Find("_", name);
  const int dot = Find(".", name);
  if (underscore == 0 || dot == 0 || underscore > dot) return std::string();
  return reportName.substr(0, start) +
         ReplaceAll(".htm", ".rtf", AsciiLowerCase(ReplaceAll("_", "r", name)));
}

std::string ItemListPageName(const std::string& reportName) {
  const std::size_t start = NameStart(reportName);
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
