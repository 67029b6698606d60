#include "convert/section_tables.h"

#include "text/text.h"

namespace qv {

void WriteSectionHeading(RtfWriter& rtf, std::string_view title) {
  rtf.Line(R"(\pard \ql\widctlpar {\f11\fs19 \par})");
  rtf.Line(R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 )" +
           std::string(title) + R"(\par}})");
}

void WriteRowOpener(RtfWriter& rtf, std::span<const int> edges, bool intbl) {
  rtf.Line(R"(\trowd)");
  for (int edge : edges) rtf.Line(R"(\cellx)" + std::to_string(edge));
  if (intbl) rtf.Line(R"(\widctlpar\intbl)");
}

std::string PlainLineText(std::string_view line) {
  return NormalizeBlanks(StripTags(std::string(line)));
}

}  // namespace qv
