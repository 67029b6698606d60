#include "text/whole_report.h"

#include "text/report_markers.h"

namespace qv {

bool IsWholeReport(std::string_view text) {
  constexpr std::string_view kTag = report::kHtmlEnd;
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  // The tag stands near the end of a report, so the search runs backwards.
  for (std::size_t at = text.rfind(kTag.substr(0, 2)); at != std::string_view::npos;
       at = at == 0 ? std::string_view::npos : text.rfind(kTag.substr(0, 2), at - 1)) {
    if (text.size() - at < kTag.size()) continue;
    std::size_t i = 2;
    while (i < kTag.size() && lower(text[at + i]) == kTag[i]) ++i;
    if (i == kTag.size()) return true;
  }
  return false;
}

}  // namespace qv
