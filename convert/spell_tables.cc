#include "convert/spell_tables.h"

#include <span>
#include <string>
#include <string_view>

#include "convert/section_tables.h"
#include "rtfkit/rtf_escape.h"
#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/search.h"
#include "text/text.h"

namespace qv {
namespace {

constexpr std::string_view kSpellsTitle =
    "Varázslataid és pszí képességeid (#sorszám, hány pontba kerül) "_cp;
constexpr std::string_view kEffectsTitle =
    "Jelenleg rajtad levő aktív varázslatok és pszi hatások "_cp;
constexpr std::string_view kAttackDefenceTitle = "Támadó és védekező varázslatok listája "_cp;
constexpr std::string_view kMonstersTitle = "Elfogott szörnyeid "_cp;
constexpr std::string_view kQuestsTitle = "Isteni küldetéseid "_cp;
constexpr std::string_view kDeedsTitle = "Hőstetteid "_cp;

using report::kStupidityPrice;

constexpr int kSpellEdges[] = {3400, 6800, 10200};
constexpr int kEffectEdges[] = {2550, 5100, 7650, 10200};
constexpr int kAttackDefenceEdges[] = {2250, 2650, 4900, 5300, 7550, 7950, 10200};

// The opener of a table's rows of report cells, made once for all its rows.
struct RowShape {
  explicit RowShape(std::span<const int> edges)
      : opener(RowOpener(edges, true)), columns(static_cast<int>(edges.size())) {}
  void StartIn(TableRows& rows) const { rows.Start(opener, columns); }
  std::string opener;
  int columns;
};

// One report line as a row of its own across the page: its plain text.
void WriteFullWidthRow(TableRows& rows, std::string_view paragraph, CellLine& cell,
                       std::string_view line) {
  rows.Start(RowOpener(kFullWidthEdges, false) + std::string(paragraph) + "\r\n", 1);
  rows.Cell(cell.OfPlain(line));
  rows.End();
}

// Hands every line of the section's table to `handle`, then ends the table:
// a row the table ends in is ended too.
template <typename Handle>
void ReadTable(ConverterRun& run, TableRows& rows, Handle handle) {
  const Layout layout = run.layout;
  ForEachTableLineOnce(
      run, [layout](const std::string& line) { return EndsSectionTable(layout, line); }, handle);
  rows.End();
  run.rtf.Line(R"(\pard)");
}

}  // namespace

// The older layout: one table cell a line, tables end at "</table>".
namespace older {
namespace {

bool IsTdLine(std::string_view line) { return HoldsLowered(line, kCell); }

// The monsters, quests and deeds: every cell line is a full-width row.
void WriteOneColumn(ConverterRun& run, std::string_view title, std::string_view paragraph) {
  WriteSectionHeading(run.rtf, title);
  TableRows rows(run.rtf);
  CellLine cell;
  ReadTable(run, rows, [&](const std::string& line) {
    if (IsTdLine(line)) WriteFullWidthRow(rows, paragraph, cell, line);
  });
}

// Three spells a row; a row may take its cells from several report rows,
// since only cell lines are counted. Group headings span the row; the row of
// spells before one is ended there.
void WriteSpells(ConverterRun& run) {
  WriteSectionHeading(run.rtf, kSpellsTitle);
  TableRows rows(run.rtf);
  CellLine cell;
  const RowShape spellRow(kSpellEdges);
  int column = 0;
  ReadTable(run, rows, [&](const std::string& line) {
    const bool cellLine = IsTdLine(line);
    if (cellLine) ++column;
    if (Contains(line, report::kSpellGroupCell)) {
      if (!Contains(line, kStupidityPrice)) {
        rows.Start(kFullWidthEdges, false);
        rows.Cell(R"(\intbl {\b\fs18 )" + RtfEscape(PlainLineText(line)) + R"(}\cell)");
      } else {
        // The price of stupidity starts a paragraph of its own in its cell.
        rows.Start(RowOpener(kFullWidthEdges, false) + "\\widctlpar\\intbl\r\n", 1);
        rows.Cell(R"({\fs18\b\par )" + RtfEscape(PlainLineText(line)) + R"(}\cell)");
      }
      rows.End();
      column = 0;
      return;
    }
    if (!cellLine || column == 0 || Contains(line, kStupidityPrice)) return;
    // A spell after a skipped one (the price of stupidity) may find no row.
    if (column == 1 || rows.cells() == 0) spellRow.StartIn(rows);
    rows.Cell(cell.OfPlain(line));
    if (column == 3) {
      rows.End();
      column = 0;
    }
  });
}

// Four cells a row, counted over consecutive cell lines only: any other line
// (a row end) starts the count afresh.
void WriteCurrentEffects(ConverterRun& run) {
  WriteSectionHeading(run.rtf, kEffectsTitle);
  TableRows rows(run.rtf);
  CellLine cell;
  const RowShape effectRow(kEffectEdges);
  int column = 0;
  ReadTable(run, rows, [&](const std::string& line) {
    if (!IsTdLine(line)) {
      column = 0;
      return;
    }
    ++column;
    if (column == 1) effectRow.StartIn(rows);
    rows.Cell(cell.OfPlain(line));
    if (column == 4) {
      rows.End();
      column = 0;
    }
  });
}

// Seven cells a row; a cell spanning the table is a row of its own, bold
// when its report row is a sub-heading ("tfej2").
void WriteAttackDefenceSpells(ConverterRun& run) {
  WriteSectionHeading(run.rtf, kAttackDefenceTitle);
  TableRows rows(run.rtf);
  CellLine cell;
  const RowShape attackRow(kAttackDefenceEdges);
  int column = 0;
  bool heading = false;
  ReadTable(run, rows, [&](const std::string& line) {
    if (HoldsLowered(line, kHeadingRow))
      heading = true;
    else if (HoldsLowered(line, kRow))
      heading = false;
    if (!IsTdLine(line)) return;
    ++column;
    if (Contains(line, report::kAttackDefenceWideCell)) {
      rows.Start(kFullWidthEdges, false);
      rows.Cell((heading ? R"(\widctlpar\intbl {\b\f4\fs17 )" : R"(\widctlpar\intbl {\f4\fs17 )") +
                RtfEscape(PlainLineText(line)) + R"(}\cell)");
      rows.End();
      column = 0;
      return;
    }
    if (column == 1) attackRow.StartIn(rows);
    rows.Cell(cell.OfPlain(line));
    if (column == 7) {
      rows.End();
      column = 0;
    }
  });
}

void WriteCapturedMonsters(ConverterRun& run) {
  WriteOneColumn(run, kMonstersTitle, R"(\widctlpar\intbl)");
}

void WriteDivineQuests(ConverterRun& run) {
  WriteOneColumn(run, kQuestsTitle, R"(\widctlpar\intbl\qj)");
}

void WriteHeroicDeeds(ConverterRun& run) {
  WriteOneColumn(run, kDeedsTitle, R"(\widctlpar\intbl\qj)");
}

}  // namespace
}  // namespace older

// The newer layout: a whole table row a line, tables end at
// "</TABLE></TD></TR></TABLE>".
namespace newer {
namespace {

// Cuts a line of cells into a row of the shape's columns; a row short of
// cells is filled with empty ones. A line that holds more cells than the
// table has columns goes on in a new row (TableRows).
void WriteCutRow(TableRows& rows, CellLine& cell, std::string_view line, const RowShape& shape) {
  const int columns = shape.columns;
  shape.StartIn(rows);
  // Each search is made once: the next cell's opening tells whether the
  // line goes on and where its cell starts. It mostly follows the cell end
  // at once.
  auto openingIn = [](std::string_view text) {
    return text.starts_with(kTextCell) ? 0 : FindFrom(text, kTextCell);
  };
  std::size_t open = openingIn(line);
  while (!line.empty()) {
    CutThroughAt(line, open, kTextCell);
    const std::size_t end = FindFrom(line, kCellEnd);
    rows.Cell(cell.OfTagless(end == std::string_view::npos ? std::string_view()
                                                           : line.substr(0, end)));
    CutThroughAt(line, end, kCellEnd);
    open = openingIn(line);
    if (open == std::string_view::npos) line = {};
  }
  while (rows.cells() < columns) rows.Cell(R"(\cell)");
  rows.End();
}

void WriteOneColumn(ConverterRun& run, std::string_view title, std::string_view paragraph) {
  WriteSectionHeading(run.rtf, title);
  TableRows rows(run.rtf);
  CellLine cell;
  ReadTable(run, rows, [&](const std::string& line) {
    WriteFullWidthRow(rows, paragraph, cell, line);
  });
}

// Every line is a row of three spells; a group heading may carry the
// group's first row behind it.
void WriteSpells(ConverterRun& run) {
  WriteSectionHeading(run.rtf, kSpellsTitle);
  TableRows rows(run.rtf);
  CellLine cell;
  const RowShape spellRow(kSpellEdges);
  ReadTable(run, rows, [&](std::string_view line) {
    if (Contains(line, kSpellGroupCell)) {
      if (!Contains(line, kStupidityPrice)) {
        rows.Start(kFullWidthEdges, false);
        CutThrough(line, kSpellGroupCellOpen);
        rows.Cell(R"(\intbl {\b\fs18 )" + RtfEscape(StripTagsOf(ViewBefore(line, kRowEnd))) +
                  R"(}\cell)");
        rows.End();
        CutThrough(line, kRowEnd);
        if (!line.empty()) line.remove_prefix(1);
        WriteCutRow(rows, cell, line, spellRow);
      } else {
        rows.Start(RowOpener(kFullWidthEdges, false) + "\\widctlpar\\intbl\r\n", 1);
        CutThrough(line, kStupidityCellOpen);
        rows.Cell(R"({\fs18\b\par )" +
                  RtfEscape(NormalizeBlanks(StripTagsOf(ViewBefore(line, kRowEnd)))) +
                  R"(}\cell)");
        rows.End();
      }
    } else if (!Contains(line, kStupidityPrice)) {
      WriteCutRow(rows, cell, line, spellRow);
    }
  });
}

void WriteCurrentEffects(ConverterRun& run) {
  WriteSectionHeading(run.rtf, kEffectsTitle);
  TableRows rows(run.rtf);
  CellLine cell;
  const RowShape effectRow(kEffectEdges);
  ReadTable(run, rows,
            [&](const std::string& line) { WriteCutRow(rows, cell, line, effectRow); });
}

void WriteAttackDefenceSpells(ConverterRun& run) {
  WriteSectionHeading(run.rtf, kAttackDefenceTitle);
  TableRows rows(run.rtf);
  CellLine cell;
  const RowShape attackRow(kAttackDefenceEdges);
  ReadTable(run, rows, [&](std::string line) {
    if (!Contains(line, report::kAttackDefenceWideCell)) {
      WriteCutRow(rows, cell, line, attackRow);
      return;
    }
    rows.Start(kFullWidthEdges, false);
    // A sub-heading cell has the class "c3"; its text keeps its tags.
    const bool heading = Contains(line, kAttackDefenceHeadingCell);
    DeleteThrough(line, report::kAttackDefenceWideCell);
    rows.Cell((heading ? R"(\widctlpar\intbl {\b\f4\fs17 )" : R"(\widctlpar\intbl {\f4\fs17 )") +
              RtfEscape(TextBefore(line, kCellEnd)) + R"(}\cell)");
    rows.End();
  });
}

void WriteCapturedMonsters(ConverterRun& run) {
  WriteOneColumn(run, kMonstersTitle, R"(\widctlpar\intbl)");
}

void WriteDivineQuests(ConverterRun& run) {
  WriteOneColumn(run, kQuestsTitle, R"(\widctlpar\intbl\ql)");
}

}  // namespace
}  // namespace newer

void WriteSpells(ConverterRun& run) {
  if (run.layout == Layout::kOlder)
    older::WriteSpells(run);
  else
    newer::WriteSpells(run);
}

void WriteCurrentEffects(ConverterRun& run) {
  if (run.layout == Layout::kOlder)
    older::WriteCurrentEffects(run);
  else
    newer::WriteCurrentEffects(run);
}

void WriteAttackDefenceSpells(ConverterRun& run) {
  if (run.layout == Layout::kOlder)
    older::WriteAttackDefenceSpells(run);
  else
    newer::WriteAttackDefenceSpells(run);
}

void WriteCapturedMonsters(ConverterRun& run) {
  if (run.layout == Layout::kOlder)
    older::WriteCapturedMonsters(run);
  else
    newer::WriteCapturedMonsters(run);
}

void WriteDivineQuests(ConverterRun& run) {
  if (run.layout == Layout::kOlder)
    older::WriteDivineQuests(run);
  else
    newer::WriteDivineQuests(run);
}

void WriteHeroicDeeds(ConverterRun& run) { older::WriteHeroicDeeds(run); }

}  // namespace qv
