#include "bench/report_maker.h"

#include <stdexcept>
#include <vector>

#include "tests/support/lines.h"
#include "text/cp1250.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qvbench {
namespace {

using qv::operator""_cp;
using qv::test::Lines;
using qv::test::SplitLines;

std::size_t FindLine(const std::vector<std::string>& lines, std::string_view what,
                     std::size_t from = 0) {
  for (std::size_t i = from; i < lines.size(); ++i)
    if (lines[i].find(what) != std::string::npos) return i;
  throw std::runtime_error("sample report without '" + std::string(what) + "'");
}

// The digits after every `mark` of text, the j-th of them replaced by
// first + j.
std::string Renumber(const std::string& text, std::string_view mark, int first) {
  std::string out;
  std::size_t from = 0;
  for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, from)) {
    std::size_t digits = at + mark.size();
    out.append(text, from, digits - from);
    out += std::to_string(first++);
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
    from = digits;
  }
  out.append(text, from);
  return out;
}

// The lines of the first row of the carried-item table: one line in the
// newer layout, "<TR>" ... "</TR>" in the older one.
std::pair<std::size_t, std::size_t> FirstItemRow(const std::vector<std::string>& lines) {
  const std::size_t table = FindLine(lines, "NÁLAD LÉVŐ TÁRGYAK"_cp);
  const std::size_t item = FindLine(lines, "HREF=\"#t", table);
  if (lines[item].rfind("<TR>", 0) == 0) return {item, item};
  std::size_t first = item;
  while (first > table && lines[first] != "<TR>") --first;
  std::size_t last = item;
  while (last + 1 < lines.size() && lines[last] != "</TR>") ++last;
  return {first, last};
}

// The parameter tag in the layout's case: the older layout writes tags in
// capitals.
std::string ParamTag(bool older) {
  return older ? qv::AsciiUpperCase(std::string(qv::applet::kParamTag)) : std::string(qv::applet::kParamTag);
}

// <NAME=key VALUE="fields;"> in the layout's case.
std::string Param(bool older, std::string_view key, const std::string& fields) {
  std::string param = ParamTag(older);
  param += key;
  param += older ? " VALUE=\"" : " value=\"";
  param += fields;
  param += ";\">";
  return param;
}

std::string CellFields(int row, int col, int side) {
  const int terrain = 1 + (row * 3 + col) % 14;
  const int arrow = (row + col) % 10;  // 0: no arrow
  const int icons = (row * side + col) % 7 == 0 ? 1 + (row + col) % 31 : 0;
  return std::to_string(row) + "," + std::to_string(col) + "," + std::to_string(terrain) + "," +
         std::to_string(arrow) + "," + std::to_string(icons);
}

void ReplaceMap(std::vector<std::string>& lines, qv::Layout layout, int side) {
  const bool older = layout == qv::Layout::kOlder;
  const std::string sideText = std::to_string(side);
  std::vector<std::string> params{
      Param(older, qv::applet::kFrameName, sideText + "," + sideText + ",10,20")};
  int n = 0;
  for (int row = 0; row < side; ++row)
    for (int col = 0; col < side; ++col)
      params.push_back(Param(older, std::string(qv::applet::kCellName).append(std::to_string(++n)),
                             CellFields(row, col, side)));

  if (older) {
    // The whole applet stands on one line, its parameters cut by "> <".
    const std::string frameParam = ParamTag(older) + std::string(qv::applet::kFrameName);
    std::string& line = lines[FindLine(lines, frameParam)];
    const std::size_t from = line.find(frameParam);
    const std::size_t to = line.find(qv::AsciiUpperCase(std::string(qv::applet::kAppletEnd)));
    std::string joined;
    for (const std::string& p : params) joined += (joined.empty() ? "" : " ") + p;
    line.replace(from, to - from, joined);
  } else {
    const std::size_t from = FindLine(lines, qv::applet::kFrameParam);
    const std::size_t to = FindLine(lines, qv::applet::kAppletEnd, from);
    lines.erase(lines.begin() + from, lines.begin() + to);
    lines.insert(lines.begin() + from, params.begin(), params.end());
  }
}

}  // namespace

std::string MakeReport(const std::string& sample, qv::Layout layout, std::size_t targetBytes,
                       int mapSide) {
  std::vector<std::string> lines = SplitLines(sample);
  if (mapSide > 0) ReplaceMap(lines, layout, mapSide);
  const auto [first, last] = FirstItemRow(lines);
  std::string row;
  for (std::size_t i = first; i <= last; ++i) row += lines[i] + "\r\n";
  if (row.find("(#") == std::string::npos) throw std::runtime_error("item row without numbers");
  std::size_t size = Lines(lines).size();
  std::string added;
  for (int next = 10000; size + added.size() < targetBytes; next += 10)
    added += Renumber(Renumber(row, "#t", next), "(#", next);
  lines.insert(lines.begin() + last + 1, added.substr(0, added.size() - 2));
  return Lines(lines);
}

std::string WithBoldPairs(const std::string& sample, qv::Layout layout, std::size_t pairs) {
  std::vector<std::string> lines = SplitLines(sample);
  const std::size_t table =
      FindLine(lines, layout == qv::Layout::kOlder ? "<TABLE CLASS=par>"
                                                 : "<TABLE CELLPADDING=0 CELLSPACING=0><TR>");
  std::string line;
  line.reserve(pairs * 9);
  for (std::size_t i = 0; i < pairs; ++i) line += "<b>x</b> ";
  lines.insert(lines.begin() + table, line);
  return Lines(lines);
}

}  // namespace qvbench
