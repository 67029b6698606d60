#include "convert/item_changes.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "convert/item_sections.h"
#include "convert/section_tables.h"
#include "rtfkit/rtf_escape.h"
#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

// A list: the report's marker for it and the title of its heading.
struct ChangeList {
  std::string_view marker;
  std::string_view title;
};

// In the order the report gives them.
constexpr ChangeList kLists[] = {
    {report::kBankTitle, "Tárgyaid a bank széfjében "_cp},
    {report::kTurnStartTitle, "A forduló elején még megvolt... "_cp},
    {report::kLastTurnTitle, "Az előző fordulóban még megvolt... "_cp},
    {report::kThisTurnTitle, "Ebben a fordulóban került hozzád... "_cp},
};

constexpr int kListEdges[] = {3400, 6800, 10200};
// Fills a row that has fewer items than columns.
constexpr std::string_view kBlankCell = R"({\f11\fs17  }\cell)";

// A cell holding the report's text.
std::string Cell(std::string_view text) { return R"({\f11\fs17 )" + RtfEscape(text) + R"(}\cell)"; }

}  // namespace

std::vector<std::string_view> ClosingMarkers(Layout layout) {
  const LayoutMarkers& m = Markers(layout);
  std::vector<std::string_view> markers;
  for (std::string_view title :
       {m.stepMapTitle, m.gameMasterTitle, m.worldChangesTitle, m.referenceTitle})
    if (!title.empty()) markers.push_back(title);
  markers.push_back(report::kCopyright);
  return markers;
}

std::vector<std::string_view> MarkersAfterItems(Layout layout) {
  std::vector<std::string_view> markers;
  for (const ChangeList& list : kLists) markers.push_back(list.marker);
  const std::vector<std::string_view> closing = ClosingMarkers(layout);
  markers.insert(markers.end(), closing.begin(), closing.end());
  return markers;
}

namespace {

// Each list in turn: reads on to its marker, or to the marker of a later list
// or closing section, and writes the list only when its own marker was
// found. The next search starts on the line where this one stopped.
template <typename WriteTable>
void ConvertLists(ConverterRun& run, WriteTable writeTable) {
  const std::vector<std::string_view> closing = ClosingMarkers(run.layout);
  for (std::size_t i = 0; i < std::size(kLists); ++i) {
    std::vector<std::string_view> stops;
    for (std::size_t later = i; later < std::size(kLists); ++later)
      stops.push_back(kLists[later].marker);
    stops.insert(stops.end(), closing.begin(), closing.end());
    run.ReadUntilAny(stops);
    if (!run.CurrentHolds(kLists[i].marker)) continue;
    WriteSectionHeading(run.rtf, kLists[i].title);
    writeTable(run);
    run.rtf.Line(R"(\pard)");
  }
}

// The list tables differ in their steps (three lines an item against a row
// a line), so each layout has its own.

// --- Older layout ------------------------------------------------------------

// An item is three lines (count, mark, name); three items make a row. Only
// count lines ("<td class=tdb") are counted, and any other cell line is taken
// as an item's first line too. The mark is left out.
void WriteOlderTable(ConverterRun& run) {
  TableRows rows(run.rtf);
  // A cell line before the first count line still gets a row.
  rows.Use(RowOpener(kListEdges, true), static_cast<int>(std::size(kListEdges)));
  int column = 0;
  ForEachTableLine(
      run, [](const std::string& line) { return EndsSectionTable(Layout::kOlder, line); },
      [&](const std::string& line) {
        if (HoldsLowered(line, older::kCountCell)) ++column;
        if (!HoldsLowered(line, older::kCell)) return;
        if (column == 1) rows.Start();
        std::string text = PadLeft(PlainLineText(line), 5);
        run.ReadLine();  // the mark
        text += ' ';
        text += PlainLineText(run.ReadLine());
        rows.Cell(Cell(text));
        if (column == 3) {
          rows.End();
          column = 0;
        }
      });
  rows.End();
}

// --- Newer layout --------------------------------------------------------------

// The carried items' row rule, without normalising blanks after each count
// cell and with two blanks in a filler cell.
void WriteNewerTable(ConverterRun& run) {
  ForEachTableLine(
      run, [](const std::string& line) { return EndsSectionTable(Layout::kNewer, line); },
      [&](const std::string& line) {
        newer::WriteItemRow(run.rtf, line, {false, kBlankCell});
      });
}

}  // namespace

void ConvertItemChanges(ConverterRun& run) {
  if (run.layout == Layout::kOlder)
    ConvertLists(run, WriteOlderTable);
  else
    ConvertLists(run, WriteNewerTable);
}

}  // namespace qv
