#include "convert/section_tables.h"

#include <charconv>

#include "text/text.h"

namespace qv {

void WriteSectionHeading(RtfWriter& rtf, std::string_view title) {
  rtf.Line(R"(\pard \ql\widctlpar {\f11\fs19 \par})");
  rtf.Line(R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 )" +
           std::string(title) + R"(\par}})");
}

void WriteRowOpener(RtfWriter& rtf, std::span<const int> edges, bool intbl) {
  // Written as one piece: every item row of a table opens with it.
  std::string opener = "\\trowd\r\n";
  for (int edge : edges) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, edge).ptr;
    ((opener += "\\cellx").append(digits, static_cast<std::size_t>(end - digits))) += "\r\n";
  }
  if (intbl) opener += "\\widctlpar\\intbl\r\n";
  rtf.Write(opener);
}

void CloseOpenRow(RtfWriter& rtf, bool& rowOpen) {
  if (rowOpen) rtf.Line(R"(\row)");
  rowOpen = false;
}

std::string PlainLineText(std::string_view line) {
  return NormalizeBlanks(StripTagsOf(line));
}

}  // namespace qv
