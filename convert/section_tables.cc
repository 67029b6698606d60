#include "convert/section_tables.h"

#include "text/text.h"

namespace qv {

void WriteSectionHeading(RtfWriter& rtf, std::string_view title) {
  rtf.Line(R"(\pard \ql\widctlpar {\f11\fs19 \par})");
  // The title keeps with the table's first row at a page foot.
  rtf.Line(R"(\pard {\sa120\ql\keepn\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 )" +
           std::string(title) + R"(\par}})");
}

std::string PlainLineText(std::string_view line) {
  std::string text;
  AppendPlainText(text, line);
  return text;
}

}  // namespace qv
