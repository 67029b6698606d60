#include "convert/item_sections.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "convert/item_changes.h"
#include "convert/section_tables.h"
#include "rtfkit/item_banners.h"
#include "rtfkit/rtf_escape.h"
#include "text/cp1250.h"
#include "text/front_cuts.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

constexpr std::string_view kItemsTitle =
    "Tárgyaid (*-gal jelöltek bekészítve, zárójelben tárgy sorszáma) "_cp;
using report::kCategoryCell;
using report::kWideCell;

static_assert(report::kItemGroupCount == kItemBannerGroups);

constexpr int kItemEdges[] = {3400, 6800, 10200};
constexpr int kPotionEdges[] = {3400, 10200};
constexpr int kTotalWeightEdges[] = {2600, 10200};

// The paragraph a banner and its label stand in, kept with the category's
// first row.
constexpr std::string_view kBannerParagraph = R"(\pard \qj\sb120\sa60\keepn\widctlpar\tqc\tx5103 )";

// A cell holding the report's text.
std::string ItemCell(std::string_view text) {
  constexpr std::string_view kOpen = R"({\f11\fs17 )";
  constexpr std::string_view kClose = R"(}\cell)";
  std::string cell;
  cell.reserve(kOpen.size() + text.size() + kClose.size());
  cell += kOpen;
  if (NeedsRtfEscape(text))
    cell += RtfEscape(text);
  else
    cell += text;
  cell += kClose;
  return cell;
}

// The label may be the report's category heading.
std::string LabelLine(std::string_view label) {
  return R"({\f11\fs20\up20\ul  )" + RtfEscape(label) + R"(_}\fs16\par\pard)";
}

// A mark between blanks closes up on both sides: " * ", then " + ", then
// " > ".
std::string CloseUpMarks(std::string text) {
  // Most cells hold no mark at all: a look for each mark character spares
  // its search. Closing up blanks adds no mark character.
  auto holds = [&](char mark) { return text.find(mark) != std::string::npos; };
  if (holds('*')) text = ReplaceAll(" * ", "*", std::move(text));
  if (holds('+')) text = ReplaceAll(" + ", "+", std::move(text));
  if (holds('>')) text = ReplaceAll(" > ", ">", std::move(text));
  return text;
}

// The section frame: the heading lines, the table, and the total weight found
// after it. Both searches stop at the sections after the items as well.
template <typename Table, typename Weight>
void ConvertItemsWith(ConverterRun& run, Table table, Weight weight) {
  std::vector<std::string_view> stops = MarkersAfterItems(run.layout);
  stops.insert(stops.begin(), report::kItemsTitle);
  run.ReadUntilAny(stops);
  if (!run.CurrentHolds(report::kItemsTitle)) return;
  WriteSectionHeading(run.rtf, kItemsTitle);
  table(run);
  run.rtf.Line(R"(\pard)");
  stops.front() = report::kTotalWeightLabel;
  run.ReadUntilAny(stops);
  if (!run.CurrentHolds(report::kTotalWeightLabel)) return;
  weight(run);
  run.rtf.Line(R"(\pard)");
}

// The weight table's loop: from the current line on, every line is handed
// over until one ends the section's table; the report's end stops the
// reading.
template <typename Handle>
void ForEachLineFromHere(ConverterRun& run, Handle handle) {
  while (!EndsSectionTable(run.layout, run.currentLine)) {
    handle(run.currentLine);
    if (run.Eof()) return;
    run.ReadLine();
  }
}

// The category heading, the item table and the total weight have a writer
// per layout: the older layout gives each cell a line of its own (a category
// is labelled by its words, an item is three lines), the newer one a whole
// row a line (a category is one heading, an item a cell of the row), so the
// steps differ, not only the markers.

// --- Older layout ------------------------------------------------------------

// The banner group whose heading words the line holds first, 0 for none.
int GroupOfHeadingWords(std::string_view line) {
  for (int group = 1; group <= kItemBannerGroups; ++group)
    for (std::string_view words : older::kItemGroupWords[group - 1])
      if (Contains(line, words)) return group;
  return 0;
}

// What the item table asks of each line (HoldsLowered of "<td",
// "<td class=tdb" and "</table>"), found in one look at each "<".
struct ItemLineTags {
  bool cell = false;
  bool numberCell = false;
  bool tableEnd = false;
};

ItemLineTags TagsOfItemLine(std::string_view line) {
  // Only A to Z are lowered, as HoldsLowered lowers them.
  auto follows = [&](std::size_t at, std::string_view lowered) {
    if (line.size() - at < lowered.size()) return false;
    for (std::size_t i = 0; i < lowered.size(); ++i) {
      char c = line[at + i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (c != lowered[i]) return false;
    }
    return true;
  };
  ItemLineTags tags;
  // The lines are short: each byte is looked at in place.
  for (std::size_t at = 0; at < line.size(); ++at) {
    if (line[at] != '<') continue;
    if (follows(at + 1, older::kCell.substr(1))) {
      tags.cell = true;
      tags.numberCell = tags.numberCell || follows(at + older::kCell.size(),
                                                   older::kCountCell.substr(older::kCell.size()));
    }
    tags.tableEnd = tags.tableEnd || follows(at + 1, older::kTableEnd.substr(1));
  }
  return tags;
}

// The category heading on the current line: the banner of its group (unless
// that group's banner was the last one written) and `label` underlined. A
// heading of no group writes nothing.
void WriteOlderItemCategory(ConverterRun& run, std::string_view label) {
  const int group = GroupOfHeadingWords(run.currentLine);
  if (group == 0) return;
  RtfWriter& out = run.rtf;
  out.Write(kBannerParagraph);
  // Sub-categories of one group in a row share its banner.
  if (group != run.lastBannerGroup) {
    run.lastBannerGroup = group;
    out.Line(kItemBannerHeader);
    out.Write(ItemBannerHex(group));
    out.Line("}}");
  }
  out.Line(R"(\tab)");
  // The potions and the odd things are labelled by their group's name.
  out.Line(LabelLine(group >= 5 ? report::kItemGroupHeadings[group - 1] : label));
}

// An item cell written through a reused line buffer.
void WriteItemCell(TableRows& rows, std::string_view text, std::string& line) {
  line.assign(R"({\f11\fs17 )");
  AppendRtfEscaped(line, text);
  line += R"(}\cell)";
  rows.Cell(line);
}

// Items three to a row, counted over the number cells; a potion row has the
// potion and its effect (a third potion goes on in a row of its own). A row
// left open by a category heading or by the table's end is ended there, and
// a note after a full row gets a row of the table's columns. The table's
// lines are read until the report ends or a line holds "</table>"; that line
// is not handed on.
void WriteOlderItemTable(ConverterRun& run) {
  RtfWriter& out = run.rtf;
  const std::string itemRow = RowOpener(kItemEdges, true);
  const std::string potionRow = RowOpener(kPotionEdges, true);
  std::string cell, cellLine;  // reused from item to item
  bool potions = false;
  int column = 0;
  TableRows rows(out);
  rows.Use(itemRow, static_cast<int>(std::size(kItemEdges)));
  ItemLineTags tags = TagsOfItemLine(run.currentLine);
  while (!run.Eof() && !tags.tableEnd) {
    const std::string& line = run.ReadLine();
    tags = TagsOfItemLine(line);
    if (tags.tableEnd) break;
    if (tags.numberCell) ++column;
    if (!tags.cell) continue;
    if (Contains(line, kCategoryCell)) {
      potions = Contains(line, report::kPotionsCategory);
      rows.End();
      if (potions)
        rows.Use(potionRow, static_cast<int>(std::size(kPotionEdges)));
      else
        rows.Use(itemRow, static_cast<int>(std::size(kItemEdges)));
      WriteOlderItemCategory(run, PlainLineText(line));
      column = 0;
      continue;
    }
    if (Contains(line, kWideCell)) {
      rows.Cell(ItemCell(PlainLineText(line)));
      rows.End();
      column = 0;
      continue;
    }
    if (column == 1) rows.Start();
    // The number right-aligned, the mark between blanks, the name. The
    // mark's plain text has no blank at either end and never two together,
    // so of " " + mark + " " with "  " made " " only an empty mark leaves
    // one blank.
    cell.clear();
    AppendPlainText(cell, line);
    if (cell.size() < 5) cell.insert(0, 5 - cell.size(), ' ');
    cell += ' ';
    const std::size_t markStart = cell.size();
    AppendPlainText(cell, run.ReadLine());
    if (cell.size() > markStart) cell += ' ';
    AppendPlainText(cell, run.ReadLine());
    cell = CloseUpMarks(std::move(cell));
    WriteItemCell(rows, cell, cellLine);
    if (column == 3) {
      rows.End();
      column = 0;
    }
    // The name line decides whether the table goes on.
    tags = TagsOfItemLine(run.currentLine);
  }
  rows.End();
}

// The total weight beside its label, every other cell line a row of its own.
void WriteOlderTotalWeight(ConverterRun& run) {
  TableRows rows(run.rtf);
  ForEachLineFromHere(run, [&](const std::string& current) {
    if (!HoldsLowered(current, older::kCell)) return;
    const bool total = Contains(current, report::kTotalWeightStart);
    const std::string first = PlainLineText(current);
    if (total)
      rows.Start(kTotalWeightEdges, true);
    else
      rows.Start(kFullWidthEdges, true);
    rows.Cell(ItemCell(first));
    if (total) rows.Cell(ItemCell(PlainLineText(run.ReadLine())));
    rows.End();
  });
}

// --- Newer layout --------------------------------------------------------------

using newer::kCountCell;
using newer::kNextItem;
using newer::kNextWideCell;
using newer::kRowEnd;
constexpr int kCellEndLength = 5;  // "</TD>", which every cell end starts with

// Blanks in front of the cell until its first word fills five characters; a
// cell without a blank gets six.
void AlignFirstWordInPlace(std::string& cell) {
  const int blank = CharPosFrom(cell, ' ', 1);
  cell.insert(0, static_cast<std::size_t>(std::max(0, 6 - blank)), ' ');
}

std::string AlignFirstWord(std::string cell) {
  AlignFirstWordInPlace(cell);
  return cell;
}

// A potion and its effect, each a cell of a two-column row.
void WritePotionRow(RtfWriter& out, std::string line) {
  TableRows rows(out);
  rows.Start(kPotionEdges, true);
  FrontCuts rest(std::move(line));
  while (!rest.Empty()) {
    rest.DropThrough(rest.Holds(kCountCell) ? kCountCell : kWideCell);
    if (rest.StartsAfterBlanksWith('>')) rest.Drop(2);
    std::string cell;
    if (const int next = rest.Find(kNextWideCell); next > 0) {
      cell = AlignFirstWord(PlainLineText(rest.Before(next)));
      rest.Drop(next + kCellEndLength - 1);
    } else {
      const int end = rest.Find(kRowEnd);
      cell = PlainLineText(rest.Before(end));
      rest.Drop(end + kCellEndLength - 1);
    }
    rows.Cell(ItemCell(CloseUpMarks(std::move(cell))));
    if (!rest.Holds(report::kCellStart)) rest.Clear();
  }
  rows.End();
}

// The category heading on the current line: its group's banner and heading,
// every time. A heading of no group writes nothing.
void WriteNewerItemCategory(ConverterRun& run) {
  using report::kItemGroupHeadings;
  const auto heading = std::find_if(std::begin(kItemGroupHeadings), std::end(kItemGroupHeadings),
                                    [&](std::string_view h) { return run.CurrentHolds(h); });
  if (heading == std::end(kItemGroupHeadings)) return;
  const int group = static_cast<int>(heading - std::begin(kItemGroupHeadings)) + 1;
  RtfWriter& out = run.rtf;
  out.Line((group == 1 ? "" : R"(\pard)") + std::string(kBannerParagraph) +
           std::string(kItemBannerHeader));
  out.Write(ItemBannerHex(group));
  out.Line(R"(}}\tab)");
  out.Line(LabelLine(*heading));
}

void WriteNewerItemTable(ConverterRun& run) {
  ForEachTableLine(
      run, [](const std::string& line) { return EndsSectionTable(Layout::kNewer, line); },
      [&](const std::string& line) {
        if (Contains(line, kCategoryCell))
          WriteNewerItemCategory(run);
        else if (Contains(line, kWideCell))
          WritePotionRow(run.rtf, line);
        else
          newer::WriteItemRow(run.rtf, line, {true, R"({\f11\fs17 }\cell)"});
      });
}

// Every line a row across the page. The weight's unit and the load text
// after it run together once the cells are gone, so they are set apart.
void WriteNewerTotalWeight(ConverterRun& run) {
  TableRows rows(run.rtf);
  ForEachLineFromHere(run, [&](const std::string& line) {
    rows.Start(kFullWidthEdges, true);
    rows.Cell(ItemCell(ReplaceAll("kgMegterh", "kg       Megterh", PlainLineText(line))));
    rows.End();
  });
}

}  // namespace

namespace newer {

void WriteItemRow(RtfWriter& out, std::string line, const ItemRowStyle& style) {
  TableRows rows(out);
  rows.Start(kItemEdges, true);
  FrontCuts rest(std::move(line));
  std::string plain, cellLine;  // reused from cell to cell
  int count = 0;
  while (!rest.Empty()) {
    ++count;
    rest.DropThrough(kCountCell);
    // The rest is normalised once; what is left of a normalised text after a
    // cut from the front needs only its leading blank removed.
    if (style.normalizeAfterCut) {
      if (count == 1)
        rest.Replace(NormalizeBlanks(std::string(rest.Rest())));
      else
        rest.DropLeadingBlanks();
    }
    int end = rest.Find(kNextItem);
    if (end == 0) end = rest.Find(kRowEnd);
    const std::string_view cell = rest.Before(end);
    plain.clear();
    // A leading ">" would stop the tag removal; as an entity it stays text.
    if (cell.starts_with('>'))
      AppendPlainText(plain, "&gt;" + std::string(cell.substr(1)));
    else
      AppendPlainText(plain, cell);
    AlignFirstWordInPlace(plain);
    plain = CloseUpMarks(std::move(plain));
    WriteItemCell(rows, plain, cellLine);
    rest.Drop(end + kCellEndLength - 1);
    if (!rest.Holds(report::kCellStart)) rest.Clear();
  }
  // More than three items went on in a new row, which is filled up too.
  while (rows.cells() < 3) rows.Cell(style.filler);
  rows.End();
}

}  // namespace newer

void ConvertItems(ConverterRun& run) {
  if (run.layout == Layout::kOlder)
    ConvertItemsWith(run, WriteOlderItemTable, WriteOlderTotalWeight);
  else
    ConvertItemsWith(run, WriteNewerItemTable, WriteNewerTotalWeight);
}

}  // namespace qv
