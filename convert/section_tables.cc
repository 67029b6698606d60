#include "convert/section_tables.h"

#include "rtfkit/text.h"

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

void DeleteUpTo(std::string& text, std::string_view marker) {
  Delete(text, 1, Find(marker, text) + static_cast<int>(marker.size()) - 1);
}

std::string TextBeforeFirst(std::string_view text, std::string_view marker) {
  const int p = Find(marker, text);
  return p == 0 ? std::string() : Copy(text, 1, p - 1);
}

std::string PlainLineText(std::string_view line) {
  return NormalizeBlanks(StripTags(std::string(line)));
}

bool HoldsLowered(std::string_view line, std::string_view pattern) {
  return Contains(AsciiLowerCase(std::string(line)), pattern);
}

}  // namespace qv
