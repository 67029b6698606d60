#include "convert/section_tables.h"

#include <algorithm>

#include "rtfkit/rtf_escape.h"
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

void CutThrough(std::string_view& text, std::string_view marker, int extra) {
  const std::size_t at = marker.empty() ? std::string_view::npos : text.find(marker);
  const long long p = at == std::string_view::npos ? 0 : static_cast<long long>(at) + 1;
  const long long n = p + static_cast<long long>(marker.size()) - 1 + extra;
  if (text.empty() || n <= 0) return;
  text.remove_prefix(std::min(static_cast<std::size_t>(n), text.size()));
}

std::string_view ViewBefore(std::string_view text, std::string_view marker) {
  const std::size_t at = marker.empty() ? std::string_view::npos : text.find(marker);
  return at == std::string_view::npos ? std::string_view() : text.substr(0, at);
}

std::string_view CellLine::Of(std::string_view text) {
  line_.assign(R"({\fs18 )");
  AppendRtfEscaped(line_, text);
  line_ += R"(}\cell)";
  return line_;
}

std::string_view CellLine::OfPlain(std::string_view line) {
  plain_.clear();
  AppendPlainText(plain_, line);
  return Of(plain_);
}

}  // namespace qv
