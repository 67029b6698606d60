#include "download/response_cut.h"

#include "text/report_markers.h"

namespace qv {

std::string CutResponse(std::string text) {
  const std::size_t header = text.find("\r\n\r\n");
  if (header != std::string::npos) text.erase(0, header + 4);

  const std::size_t tableStart = text.find(answer::kFrameTableStart);
  const std::size_t tableEnd = text.find(answer::kFrameTableEnd);
  if (tableStart != std::string::npos && tableEnd != std::string::npos) {
    // From the table's start to one character behind "</TABLE>"; with a
    // "</TABLE>" before the table's start, head and tail overlap and the
    // text between them comes twice.
    const std::size_t tail = std::min(tableEnd + answer::kFrameTableEnd.size() + 1, text.size());
    if (tableStart <= tail) {
      text.erase(tableStart, tail - tableStart);
    } else {
      text = text.substr(0, tableStart) + text.substr(tail);
    }
  }

  // Cut behind the closing tag as written (IsWholeReport, which takes it in
  // any case, decided before that the answer came whole).
  const std::size_t end = text.find(report::kHtmlEnd);
  if (end != std::string::npos) text.resize(end + report::kHtmlEnd.size());
  return text;
}

}  // namespace qv
