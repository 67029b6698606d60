#include "convert/section_tables.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "text/text.h"

namespace qv {

void WriteSectionHeading(RtfWriter& rtf, std::string_view title) {
  rtf.Line(R"(\pard \ql\widctlpar {\f11\fs19 \par})");
  rtf.Line(R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 )" +
           std::string(title) + R"(\par}})");
}

std::string RowOpener(std::span<const int> edges, bool intbl) {
  std::string opener = "\\trowd\r\n";
  for (int edge : edges) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, edge).ptr;
    ((opener += "\\cellx").append(digits, static_cast<std::size_t>(end - digits))) += "\r\n";
  }
  if (intbl) opener += "\\widctlpar\\intbl\r\n";
  return opener;
}

void WriteRowOpener(RtfWriter& rtf, std::span<const int> edges, bool intbl) {
  // Rows of a few cells, the common case, are put together on the stack.
  constexpr std::size_t kCellxBytes = 6 + 11 + 2;  // "\cellx", an int, CR LF
  constexpr std::size_t kFixedBytes = 8 + 18;      // "\trowd" and "\widctlpar\intbl" lines
  std::array<char, 8 * kCellxBytes + kFixedBytes> line;
  if (edges.size() > 8) {
    rtf.Write(RowOpener(edges, intbl));
    return;
  }
  char* at = line.data();
  auto put = [&](std::string_view text) { at = std::copy(text.begin(), text.end(), at); };
  put("\\trowd\r\n");
  for (int edge : edges) {
    put("\\cellx");
    at = std::to_chars(at, at + 11, edge).ptr;
    put("\r\n");
  }
  if (intbl) put("\\widctlpar\\intbl\r\n");
  rtf.Write(std::string_view(line.data(), static_cast<std::size_t>(at - line.data())));
}

void CloseOpenRow(RtfWriter& rtf, bool& rowOpen) {
  if (rowOpen) rtf.Line(R"(\row)");
  rowOpen = false;
}

std::string PlainLineText(std::string_view line) {
  std::string text;
  AppendPlainText(text, line);
  return text;
}

}  // namespace qv
