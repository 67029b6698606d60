#include "convert/appendix.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "convert/command_list.h"
#include "convert/section_tables.h"
#include "rtfkit/rtf_escape.h"
#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

constexpr int kFiveColumnEdges[] = {2040, 4080, 6120, 8160, 10200};

// The small ruled title above a reference table.
void WriteTableHeading(ConverterRun& run, AppendixTable table) {
  run.rtf.Line(
      table == AppendixTable::kMonsters
          ? R"(\pard \widctlpar\keep\keepn\brdrb\brdrs\brdrw15\brsp20 {\f11\fs12 Szörnyek\par}\pard)"_cp
          : R"(\pard \widctlpar\keep\keepn\brdrb\brdrs\brdrw15\brsp20 {\f11\fs12\par Tárgyak\par}\pard)"_cp);
}

// The layouts write the entries differently (one a line against all on one
// line), so each has its own cell writer.

// Older layout: one entry a line. Lines are counted from the first cell
// line on; a line without a cell still writes a cell, and every line while
// the count is 1 opens a row. A row is ended when a new one opens, when its
// fifth counted cell is written and at the table's end; cells beyond five
// go on in a new row.
void WriteOlderCells(ConverterRun& run, AppendixTable table) {
  TableRows rows(run.rtf);
  int count = 0;
  ForEachTableLine(
      run, [](const std::string& line) { return EndsSectionTable(Layout::kOlder, line); },
      [&](const std::string& line) {
        if (HoldsLowered(line, older::kCell)) ++count;
        if (count == 0) return;
        if (count == 1) rows.Start(kFiveColumnEdges, true);
        // Money lines ("$") get one blank less.
        const bool money = table == AppendixTable::kItems && Contains(line, "$");
        rows.Cell((money ? R"({\f11\fs12 )" : R"({\f11\fs12  )") + RtfEscape(PlainLineText(line)) +
                  R"(}\cell)");
        if (count == 5) {
          rows.End();
          count = 0;
        }
      });
  // The line that ends the table is not counted even when it holds a cell.
  rows.End();
  run.rtf.Line(R"(\pard)");
}

// Newer layout: the entries of one line, each up to and including its ")".
// An entry not starting with "$" gets a blank in front, and as many
// characters as the entry then has go from the line: the blank that
// separates it from the next one, or that entry's first character.
void WriteNewerCells(const std::string& text, RtfWriter& rtf) {
  // The text is normalised, and so is every rest of it but for one leading
  // blank; dropping that blank is what normalising the rest again does.
  std::string_view rest = text;
  TableRows rows(rtf);
  int count = 0;
  while (!rest.empty()) {
    if (count == 0) rows.Start(kFiveColumnEdges, true);
    ++count;
    std::string entry(rest.substr(0, static_cast<std::size_t>(Find(")", rest))));
    if (entry.empty() || entry.front() != '$') entry = " " + entry;
    rows.Cell(R"({\f11\fs12 )" + RtfEscape(entry) + R"(\cell})");
    if (count == 5) {
      rows.End();
      count = 0;
    }
    rest.remove_prefix(std::min(entry.size(), rest.size()));
    if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    if (Find(")", rest) == 0) rest = {};
  }
  if (count > 0) {
    for (; count < 5; ++count) rows.Cell(R"(\cell)");
    rows.End();
  }
  rtf.Line(R"(\pard)");
}

}  // namespace

void WriteAppendixTable(ConverterRun& run, AppendixTable table) {
  run.Console(table == AppendixTable::kMonsters ? "   Szornyek..." : "   Targyak...");
  if (run.layout == Layout::kNewer) {
    WriteTableHeading(run, table);
    WriteNewerCells(PlainLineText(run.ReadLine()), run.rtf);
    return;
  }
  if (table == AppendixTable::kMonsters) {
    run.ReadLine();
    run.ReadLine();
  } else {
    run.currentLine = PlainLineText(run.ReadLine());
  }
  WriteTableHeading(run, table);
  WriteOlderCells(run, table);
}

void WriteAppendix(ConverterRun& run) {
  run.Console("Referencia...");
  run.rtf.Line(R"(\pard \qc\pagebb\widctlpar {\f5\fs36 ZORDON VIDÉK REFERENCIA })"_cp);
  // The name and the turn number are RTF text already.
  run.rtf.Line(R"(\par \pard \qc\widctlpar {\f4\fs24\b )" + run.characterName + " " +
               run.turnNumber + std::string(R"(. fordulója }\par {\fs24 \par})"_cp));

  // Each part is looked for from where the one before stopped, and only its
  // own title ends the search.
  struct Part {
    std::string_view LayoutMarkers::*marker;
    void (*write)(ConverterRun&);
  };
  const Part parts[] = {{&LayoutMarkers::monstersPart,
                         [](ConverterRun& r) { WriteAppendixTable(r, AppendixTable::kMonsters); }},
                        {&LayoutMarkers::itemsPart,
                         [](ConverterRun& r) { WriteAppendixTable(r, AppendixTable::kItems); }},
                        {&LayoutMarkers::commandsPart, WriteCommandList}};
  for (const Part& part : parts) {
    const std::string_view marker = Markers(run.layout).*part.marker;
    run.ReadUntilAny({marker});
    if (run.CurrentHolds(marker)) part.write(run);
  }
}

}  // namespace qv
