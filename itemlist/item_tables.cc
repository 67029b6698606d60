#include "itemlist/item_tables.h"

#include <algorithm>
#include <string_view>

#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

// What marks a contained item's line.
constexpr std::string_view kContainedMark = "[benn";

// What one walk carries from line to line.
struct Walk {
  PageRun& run;
  bool annotate;
  bool bank;
  int count = 0;
  int number = 0;
  int runeLimit = 0;
  int insertPos = 0;
  // Storage that serves every item and row of the walk.
  std::string scratch{};  // an anchor being made
  std::string link{}, name{};
  std::string countText{}, rest{}, written{};
};

// Every occurrence of pattern removed, searching on after each removal.
std::string RemoveEvery(std::string text, const std::string& pattern) {
  std::size_t at = 0;
  while ((at = text.find(pattern, at)) != std::string::npos) text.erase(at, pattern.size());
  return text;
}

// The count of a contained-item line: the word after the first blank that
// follows "[benn" ("[benne 2 ..." gives 2).
int ContainedCount(const std::string& line) {
  const int blank = CharPosFrom(line, ' ', Find(kContainedMark, line));
  if (blank == 0) return 0;
  const int next = CharPosFrom(line, ' ', blank + 1);
  const int end = next == 0 ? static_cast<int>(line.size()) + 1 : next;
  return IntegerOrZero(TrimBlanks(Copy(line, blank + 1, end - blank - 1)));
}

// link = "<A HREF" through the end of marker; name = after marker up to the
// next "</A>".
void CutLinkAndName(std::string_view line, std::string_view marker, std::string* link,
                    std::string* name) {
  constexpr std::size_t npos = std::string_view::npos;
  const std::size_t at = line.find(marker);
  if (at == npos) {
    link->clear();
    name->clear();
    return;
  }
  const std::size_t anchor = line.find(report::kLinkStart);
  const std::size_t after = at + marker.size();
  if (anchor != npos && after > anchor)
    link->assign(line.substr(anchor, after - anchor));
  else
    link->clear();
  const std::size_t end = after < line.size() ? line.find(report::kLinkEnd, after) : npos;
  if (end != npos)
    name->assign(line.substr(after, end - after));
  else
    name->clear();
}

void AddToList(Walk& w, const std::string& link, const std::string& name) {
  if (FoundItem* found = w.run.FindItem(w.number)) {
    found->count += w.count;
    if (w.bank) found->bankCount += w.count;
    return;
  }
  w.run.AddItem(FoundItem{w.number, name, w.count, link, w.bank ? w.count : 0});
}

// An item line: its number marker gets the link and the note. A line
// without "(#" or "($" is left as it is and not counted.
void HandleItemLine(Walk& w, std::string& line, bool contained) {
  std::string& link = w.link;
  std::string& name = w.name;
  if (!w.annotate) {
    CutLinkAndName(line, report::kItemLinkEnd, &link, &name);
    if (contained && name.empty())
      CutLinkAndName(line, report::kContainedItemLinkEnd, &link, &name);
  }

  std::string_view open = report::kNumberOpen, tagEnd = report::kNumberAfterTag;
  std::size_t openAt = line.find(open);
  if (openAt == std::string::npos) {
    open = report::kMoneyOpen, tagEnd = report::kMoneyAfterTag;
    openAt = line.find(open);
    if (openAt == std::string::npos) return;
  }
  const int at = static_cast<int>(openAt) + 1;
  const int close = CharPosFrom(line, ')', at + 2);
  if (close == 0) return;  // no number behind the marker
  w.number = IntegerOrZero(Copy(line, at + 2, close - at - 2));

  const PageSettings& settings = w.run.setup.settings;
  if (w.annotate) {
    const bool coloured = !contained && w.run.watchedItems.count(w.number) > 0;
    Insert("</A>", line, close);
    w.scratch.clear();
    AppendItemAnchor(w.scratch, settings, w.number, w.runeLimit, coloured);
    Insert(w.scratch, line, at + 1);
    w.insertPos = CharPosFrom(line, ')', Find(tagEnd, line)) + 1;
    ++w.run.itemsAnnotated;
    if (const ItemRecord* item = w.run.setup.items.Find(w.number)) {
      Insert(ItemNote(settings, *item, w.count), line, w.insertPos);
      ++w.run.itemsKnown;
    }
  } else {
    AddToList(w, link, name);
  }
}

// CellText without its cuts and searches: the text after the first ">" up
// to the next "<" (or the end), blanks trimmed.
std::string CellTextOf(std::string_view line) {
  const std::size_t gt = line.find('>');
  if (gt == std::string_view::npos) return std::string();
  std::string_view text = line.substr(gt + 1);
  text = text.substr(0, text.find('<'));
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::string();
  return std::string(text.substr(first, text.find_last_not_of(' ') + 1 - first));
}

// A count cell, from the ">" that opens its text on: a rune limit in front
// of the count ("3&ge; 5") is taken and removed from the cell; the count is
// what is left.
void CountCell(Walk& w, std::string& cell) {
  w.runeLimit = 0;
  if (cell.find("&ge;") != std::string::npos) {
    w.runeLimit = IntegerOrZero(TextBefore(CellText(cell), "&"));
    cell = RemoveEvery(cell, std::to_string(w.runeLimit) + "&ge;");
  }
  w.count = IntegerOrZero(CellTextOf(cell));
}

// Returns whether it read the item's lines after the count line.
bool CountLine(Walk& w, std::string& line) {
  CountCell(w, line);
  if (w.count <= 0) return false;
  // The count cell, the cell between, then the item line.
  if (w.annotate) w.run.WriteLine(line);
  line = w.run.ReadLine();
  if (w.annotate) w.run.WriteLine(line);
  line = w.run.ReadLine();
  HandleItemLine(w, line, false);
  return true;
}

// What the walk asks of each line it reads: whether it holds "</table>",
// "CLASS=tdb" with a ">" anywhere, and "[benn".
struct ItemLineMarks {
  bool tableEnd = false;
  bool countCell = false;
  bool contained = false;
};

// All three markers hold a "b", which few places of a line do: the line's
// b's are found with memchr and the markers compared around them.
ItemLineMarks MarksOf(std::string_view line) {
  constexpr std::size_t kTableEndB = older::kTableEnd.find('b');
  constexpr std::size_t kCountB = older::kCountClass.find('b');
  constexpr std::size_t kContainedB = kContainedMark.find('b');
  static_assert(kTableEndB != std::string_view::npos && kCountB != std::string_view::npos &&
                kContainedB != std::string_view::npos);
  auto holdsAround = [&](std::size_t b, std::string_view marker, std::size_t markerB) {
    return b >= markerB && line.compare(b - markerB, marker.size(), marker) == 0;
  };
  ItemLineMarks marks;
  for (std::size_t b = line.find('b'); b != std::string_view::npos; b = line.find('b', b + 1)) {
    marks.tableEnd = marks.tableEnd || holdsAround(b, older::kTableEnd, kTableEndB);
    marks.countCell = marks.countCell || holdsAround(b, older::kCountClass, kCountB);
    marks.contained = marks.contained || holdsAround(b, kContainedMark, kContainedB);
  }
  marks.countCell = marks.countCell && line.find('>') != std::string_view::npos;
  return marks;
}

// The older layout: an item is three lines (count, mark, name), the table
// ends at a line holding "</table>".
void WalkLinesOfItems(Walk& w) {
  PageRun& run = w.run;
  std::string line;  // its storage serves every line
  // Whether the current line (the last one read) holds "</table>".
  bool tableEnd = run.CurrentHolds(older::kTableEnd);
  while (!run.Eof() && !tableEnd) {
    line = run.ReadLine();
    const ItemLineMarks marks = MarksOf(line);
    tableEnd = marks.tableEnd;
    if (marks.countCell) {
      if (CountLine(w, line)) tableEnd = run.CurrentHolds(older::kTableEnd);
    } else if (marks.contained) {
      w.count = ContainedCount(line);
      HandleItemLine(w, line, true);
    }
    if (w.annotate) run.WriteLine(line);
  }
}

// --- Newer layout: a table row on each line, several items to a row ---------

// An item's count cell opens with newer::kCountCell; its mark and name
// cells follow. A potion's effect stands beside the potion in the row, in a
// wide cell.
using newer::kCountCell;
constexpr std::string_view kEffectCell = report::kWideCell;

// Every item of a row line: its count cell is read as a count line is, and
// the rest of the item (its mark and name cells) as an item line, so the
// link and the note stay inside the item's own name cell. An item ends at
// the marker of the next count cell or of an effect cell, or at the row's
// end. The row's other cells and the text between the items stay as they
// are.
void ItemRow(Walk& w, std::string& row) {
  constexpr std::size_t npos = std::string::npos;
  std::string& written = w.written;  // the row as the page gets it (annotate mode)
  written.clear();
  std::size_t done = 0;  // the row is written up to here
  std::string& count = w.countText;
  std::string& rest = w.rest;
  // Both searches only move forward: a row of many items is read in one go.
  std::size_t effect = row.find(kEffectCell);
  for (std::size_t at = row.find(kCountCell); at != npos;) {
    const std::size_t start = at + kCountCell.size() - 1;  // the count cell's ">"
    const std::size_t next = row.find(kCountCell, start + 1);
    if (effect != npos && effect <= start) effect = row.find(kEffectCell, start + 1);
    const std::size_t end = std::min({next, effect, row.size()});
    const std::string_view item = std::string_view(row).substr(start, end - start);
    const std::size_t cellEnd = std::min(item.find('<'), item.size());
    count.assign(item.substr(0, cellEnd));
    rest.assign(item.substr(cellEnd));
    CountCell(w, count);
    if (w.count > 0) HandleItemLine(w, rest, false);
    if (w.annotate) {
      written.append(row, done, start - done);
      written += count;
      written += rest;
    }
    done = end;
    at = next;
  }
  if (!w.annotate || done == 0) return;
  written.append(row, done);
  row.swap(written);
}

// The newer layout: every line is a table row, the table ends at a line
// holding "</TABLE></TD></TR></TABLE>". A row without count cells that
// holds "[benn" is a contained item, read as in the older layout.
void WalkRowsOfItems(Walk& w) {
  PageRun& run = w.run;
  std::string line;  // its storage serves every line
  bool tableEnd = run.CurrentHolds(newer::kTableEnd);
  while (!run.Eof() && !tableEnd) {
    line = run.ReadLine();
    tableEnd = Contains(line, newer::kTableEnd);
    if (Contains(line, kCountCell)) {
      ItemRow(w, line);
    } else if (Contains(line, kContainedMark)) {
      w.count = ContainedCount(line);
      HandleItemLine(w, line, true);
    }
    if (w.annotate) run.WriteLine(line);
  }
}

}  // namespace

void WalkItemTable(PageRun& run, WalkMode mode, bool bank) {
  Walk w{run, mode == WalkMode::kAnnotate, bank};
  if (run.layout == Layout::kOlder)
    WalkLinesOfItems(w);
  else
    WalkRowsOfItems(w);
}

void AppendItemAnchor(std::string& out, const PageSettings& settings, int number, int runeLimit,
                      bool coloured) {
  out += "<A HREF='";
  out += settings.itemLink;
  out += "f=tenc&ssz=";
  out += std::to_string(number);
  out += settings.itemLinkExt;
  if (runeLimit <= 0) {
    out += "' TARGET=lumentargyenc CLASS=enc0";
  } else {
    out += "' TITLE='Trinigan rúnája: max "_cp;
    out += std::to_string(runeLimit);
    out += " db' TARGET=lumentargyenc CLASS=trinigan";
  }
  if (coloured) {
    out += " style=\"color: ";
    out += settings.watchedItemColour;
    out += '"';
  }
  out += '>';
}

std::string ItemAnchor(const PageSettings& settings, int number, int runeLimit, bool coloured) {
  std::string anchor;
  AppendItemAnchor(anchor, settings, number, runeLimit, coloured);
  return anchor;
}

std::string ItemNote(const PageSettings& settings, const ItemRecord& item, int count) {
  const std::int64_t total = static_cast<std::int64_t>(item.weight) * count;
  std::string totalWeight = Hundredths(total);
  // TulNagySuly is in whole kilograms; the total is in hundredths.
  if (settings.tooHeavyKg >= 1 && static_cast<std::int64_t>(settings.tooHeavyKg) * 100 < total)
    totalWeight = "<FONT COLOR=red>" + totalWeight + "</FONT>";
  const std::int64_t totalPrice = static_cast<std::int64_t>(item.sellPrice) * count;
  return std::string(" [<SPAN TITLE=\"Súly: "_cp) + Hundredths(item.weight) +
         std::string(" kg, Eladási ár: "_cp) + std::to_string(item.sellPrice) +
         std::string(" ap, Vételi ár: "_cp) + std::to_string(item.buyPrice) +
         " ap\" CLASS=" + settings.noteClass + ">" + totalWeight + "/" +
         std::to_string(totalPrice) + "</SPAN>]";
}

std::string Hundredths(std::int64_t value) {
  const bool negative = value < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  const std::uint64_t cents = magnitude % 100;
  std::string text = negative ? "-" : "";
  text += std::to_string(magnitude / 100);
  text += cents < 10 ? ".0" : ".";
  text += std::to_string(cents);
  return text;
}

}  // namespace qv
