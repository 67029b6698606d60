#include "convert/section_tables.h"

#include <algorithm>

#include "rtfkit/rtf_escape.h"
#include "text/search.h"
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
  const std::size_t at = marker.empty() ? std::string_view::npos : FindFrom(text, marker);
  const long long p = at == std::string_view::npos ? 0 : static_cast<long long>(at) + 1;
  const long long n = p + static_cast<long long>(marker.size()) - 1 + extra;
  if (text.empty() || n <= 0) return;
  text.remove_prefix(std::min(static_cast<std::size_t>(n), text.size()));
}

void CutThroughAt(std::string_view& text, std::size_t at, std::string_view marker) {
  if (text.empty()) return;
  const std::size_t n = at == std::string_view::npos ? marker.size() - 1 : at + marker.size();
  text.remove_prefix(std::min(n, text.size()));
}

std::string_view ViewBefore(std::string_view text, std::string_view marker) {
  const std::size_t at = marker.empty() ? std::string_view::npos : FindFrom(text, marker);
  return at == std::string_view::npos ? std::string_view() : text.substr(0, at);
}

std::string_view CellLine::Of(std::string_view text) {
  line_.assign(R"({\fs18 )");
  AppendRtfEscaped(line_, text);
  line_ += R"(}\cell)";
  return line_;
}

std::string_view CellLine::OfTagless(std::string_view text) {
  // The tag rule of RemoveTags: a tag runs from a "<" to the next ">"; a ">"
  // before any "<", or a "<" that no ">" follows, ends the removing. An
  // entity left is decoded by StripTags itself.
  plain_.clear();
  std::size_t from = 0;
  for (std::size_t open = 0;;) {
    // Cells are short: their bytes are looked at in place.
    while (open < text.size() && text[open] != '<' && text[open] != '>') ++open;
    if (open == text.size() || text[open] == '>') break;
    const std::size_t close = text.find('>', open + 1);
    if (close == std::string_view::npos) break;
    plain_.append(text.substr(from, open - from));
    from = open = close + 1;
  }
  plain_.append(text.substr(from));
  if (plain_.find('&') != std::string::npos) plain_ = StripTagsOf(text);
  return Of(plain_);
}

std::string_view CellLine::OfPlain(std::string_view line) {
  plain_.clear();
  AppendPlainText(plain_, line);
  return Of(plain_);
}

}  // namespace qv
