#include "convert/skill_tables.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "convert/section_tables.h"
#include "convert/table_cells.h"
#include "rtfkit/rtf_escape.h"
#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

constexpr std::string_view kCellEnd = R"(\cell )";

constexpr int kFourColumnEdges[] = {2550, 5100, 7650, 10200};

// The most room a table's text is given before it is read.
constexpr std::int64_t kMostRoom = std::int64_t{1} << 28;

struct CollectedTable {
  std::string text;                    // the table's lines, each after a blank
  std::optional<std::string> summary;  // development points: the summary row
};

// Reads the table's lines up to and including the one that ends it. The
// development points' summary row is kept apart; in the older layout the line
// after it (its row end) goes too.
CollectedTable Collect(ConverterRun& run, CellTable table) {
  CollectedTable c;
  // The table is no longer than the rest of the report: its text is given
  // that room at once, so that it never moves to a fresh copy as it grows
  // (room never written costs no memory).
  const std::int64_t rest = run.report.FileSize() - run.report.TextFilePos();
  if (rest > 0) c.text.reserve(static_cast<std::size_t>(std::min(rest, kMostRoom)));
  while (!run.Eof() && !EndsSectionTable(run.layout, run.currentLine)) {
    run.ReadLine();
    if (table == CellTable::kDevelopmentPoints && run.CurrentHolds(report::kSummaryCell)) {
      c.summary = run.currentLine;
      if (run.layout == Layout::kOlder) run.ReadLine();
      continue;
    }
    c.text += ' ';
    c.text += run.currentLine;
  }
  return c;
}

// The first cell of the text and the text after it: through the first cell
// end, or (with none left) the first five characters.
std::string_view CutCell(std::string_view& rest) {
  const std::size_t end = rest.find(kCellEnd);
  const std::size_t n =
      end == std::string_view::npos ? std::min<std::size_t>(rest.size(), kCellEnd.size() - 1)
                                    : end + kCellEnd.size();
  const std::string_view cell = rest.substr(0, n);
  rest.remove_prefix(n);
  return cell;
}

// A leading number goes with its full stop and the blank after it: the cell
// loses everything through its first full stop and one more character. The
// cut stops short of the cell end, which a full stop at the very end of the
// text would otherwise break.
std::string_view WithoutNumber(std::string_view cell) {
  const std::size_t dot = cell.find('.');
  if (dot == std::string_view::npos) return cell;
  std::size_t n = dot + 2;
  if (EndsWith(cell, kCellEnd)) n = std::min(n, cell.size() - kCellEnd.size());
  cell.remove_prefix(std::min(n, cell.size()));
  return cell;
}

// Appends a cell of the flattened list as RTF: the report's text escaped,
// the cell end after it kept.
void AppendCellRtf(std::string& out, std::string_view cell) {
  const bool ended = EndsWith(cell, kCellEnd);
  if (ended) cell.remove_suffix(kCellEnd.size());
  AppendRtfEscaped(out, cell);
  if (ended) out += kCellEnd;
}

// Four cells a row in the small fixed-pitch font; the last row is filled up.
// A skill list ends with the last cell after which a colon remains, so a
// closing remark is not written. A report cut off inside a row leaves the
// text of its last cell without a cell end: it is a whole cell all the same.
void LayOut(ConverterRun& run, CellTable table, std::string cells) {
  const bool skills = table != CellTable::kDevelopmentPoints;
  if (!cells.empty() && !EndsWith(cells, kCellEnd)) cells += kCellEnd;
  const std::size_t lastColon = cells.rfind(':');
  std::string_view rest(cells);
  TableRows rows(run.rtf);
  rows.Use(RowOpener(kFourColumnEdges, false), 4);
  constexpr std::string_view kOpening = R"(\widctlpar\intbl {\f11\fs15 )";
  std::string line;  // each cell's line, in the same buffer
  while (!rest.empty()) {
    line.assign(kOpening);
    AppendCellRtf(line, WithoutNumber(CutCell(rest)));
    line += '}';
    rows.Cell(line);
    if (rows.cells() == 4) rows.End();
    const std::size_t restAt = cells.size() - rest.size();
    if (skills && (lastColon == std::string::npos || lastColon < restAt)) rest = {};
  }
  if (rows.cells() > 0) {
    const std::string_view filler =
        skills ? R"(\widctlpar\intbl {\f11\fs15 \cell })" : R"(\widctlpar\intbl \cell)";
    while (rows.cells() < 4) rows.Cell(filler);
    rows.End();
  }
  run.rtf.Line(R"(\pard)");
  run.rtf.Line("");
}

// The summary row of the development points, across the whole width.
void WriteSummary(ConverterRun& run, std::string summary) {
  if (run.layout == Layout::kNewer) {
    DeleteThrough(summary, newer::kSummaryCellOpen);
    summary = TextBefore(summary, newer::kRowEnd);
  }
  TableRows rows(run.rtf);
  rows.Start(kFullWidthEdges, false);
  rows.Cell(R"(\intbl {\f11\fs15 )" + RtfEscape(NormalizeBlanks(StripTags(summary))) + R"(}\cell)");
  rows.End();
}

void WriteCellTable(ConverterRun& run, CellTable table, std::string_view title) {
  WriteSectionHeading(run.rtf, title);
  CollectedTable c = Collect(run, table);
  if (!c.text.empty()) LayOut(run, table, FlattenCells(run.layout, table, std::move(c.text)));
  if (c.summary) WriteSummary(run, *c.summary);
}

// One full-width row per line, from the line that was found to the end of
// the table. The older layout writes no cell for a line without text.
void WriteSwitchLines(ConverterRun& run) {
  run.rtf.Line(R"(\par)");
  TableRows rows(run.rtf);
  const std::string opener = RowOpener(kFullWidthEdges, false) + "\\widctlpar\\intbl\\qj\r\n";
  while (!run.Eof() && !EndsSectionTable(run.layout, run.currentLine)) {
    rows.Start(opener, 1);
    const std::string line = ReplaceAll(" -", "-", ReplaceAll(" .", ".", run.currentLine));
    const std::string text = NormalizeBlanks(StripTags(line));
    if (!text.empty() || run.layout == Layout::kNewer) {
      rows.Cell(R"({\f11\fs15 )" + RtfEscape(text) + R"(}\cell)");
      rows.End();
    }
    run.ReadLine();
  }
  rows.End();
  run.rtf.Line(R"(\pard)");
}

std::string TidyParentheses(const std::string& line) {
  return ReplaceAll(")(", ") (", ReplaceAll(" )", ")", line));
}

// The cells of the conditional commands; text is the report's.
std::string HeadingCell(const std::string& text) {
  return R"(\widctlpar\intbl {\b\fs18 )" + RtfEscape(text) + R"(}\cell)";
}

std::string CommandCell(const std::string& text) {
  return R"(\widctlpar\intbl\qj {\fs18 )" + RtfEscape(text) + R"(}\cell)";
}

constexpr std::string_view kCommandsTitle = "Feltételes parancsok "_cp;

}  // namespace

namespace older {
namespace {

// A group heading is a row line of its own, its text on the line after it;
// rows without text are dropped.
void WriteConditionalCommands(ConverterRun& run) {
  WriteSectionHeading(run.rtf, kCommandsTitle);
  TableRows rows(run.rtf);
  while (!run.Eof() && !HoldsLowered(run.currentLine, kTableEnd)) {
    run.ReadLine();
    if (HoldsLowered(run.currentLine, kTableEnd)) break;
    const bool heading = run.CurrentHolds(kHeadingClass);
    if (NormalizeBlanks(StripTags(run.currentLine)).empty() && !heading) continue;
    rows.Start(kFullWidthEdges, false);
    if (heading) {
      run.ReadLine();
      rows.Cell(HeadingCell(NormalizeBlanks(StripTags(run.currentLine))));
    } else {
      const std::string text = NormalizeBlanks(StripTags(TidyParentheses(run.currentLine)));
      if (!text.empty()) rows.Cell(CommandCell(text));
    }
    rows.End();
  }
  run.rtf.Line(R"(\pard)");
}

}  // namespace
}  // namespace older

namespace newer {
namespace {

// Every line is a row: a heading cell ("c3") or a command cell; the cell's
// text keeps its tags.
void WriteConditionalCommands(ConverterRun& run) {
  WriteSectionHeading(run.rtf, kCommandsTitle);
  TableRows rows(run.rtf);
  while (!run.Eof() && !Contains(run.currentLine, kTableEnd)) {
    run.ReadLine();
    if (Contains(run.currentLine, kTableEnd)) break;
    rows.Start(kFullWidthEdges, false);
    std::string line = run.currentLine;
    if (Contains(line, kHeadingClass)) {
      DeleteThrough(line, kHeadingCellOpen);
      rows.Cell(HeadingCell(NormalizeBlanks(TextBefore(line, kCellEnd))));
    } else {
      DeleteThrough(line, kTextCell);
      rows.Cell(CommandCell(NormalizeBlanks(TextBefore(TidyParentheses(line), kCellEnd))));
    }
    rows.End();
  }
  run.rtf.Line(R"(\pard)");
}

}  // namespace
}  // namespace newer

void WriteCombatSkills(ConverterRun& run) {
  WriteCellTable(run, CellTable::kCombatSkills, "Harci ismeretek (szint)");
}

void WriteConditionalSwitches(ConverterRun& run) { WriteSwitchLines(run); }

void WriteOtherSkills(ConverterRun& run) {
  WriteCellTable(run, CellTable::kOtherSkills, "Egyéb ismeretek (szint)"_cp);
}

void WriteDevelopmentPoints(ConverterRun& run) {
  WriteCellTable(run, CellTable::kDevelopmentPoints, "Fejlesztési pontok"_cp);
}

void WriteConditionalCommands(ConverterRun& run) {
  if (run.layout == Layout::kOlder)
    older::WriteConditionalCommands(run);
  else
    newer::WriteConditionalCommands(run);
}

}  // namespace qv
