#include "itemlist/item_tables.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <iterator>
#include <optional>
#include <string_view>

#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/search.h"
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
  // The anchor's parts without a rune limit, made once a walk.
  std::string anchorHead{}, plainTail{}, colouredTail{};
  // Storage that serves every item and row of the walk.
  std::string note{};
  std::string link{}, name{};
  std::string countText{}, line{}, written{};
};

// What an anchor holds before the item's number, and after it.
void AppendAnchorHead(std::string& out, const PageSettings& settings) {
  out += "<A HREF='";
  out += settings.itemLink;
  out += "f=tenc&ssz=";
}

void AppendAnchorTail(std::string& out, const PageSettings& settings, int runeLimit,
                      bool coloured) {
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

// Every occurrence of pattern removed, searching on after each removal.
std::string RemoveEvery(std::string text, const std::string& pattern) {
  std::size_t at = 0;
  while ((at = text.find(pattern, at)) != std::string::npos) text.erase(at, pattern.size());
  return text;
}

// IntegerOrZero of a view; text of digits alone, as most counts and
// numbers are, is read without a copy.
int IntegerOrZeroOf(std::string_view text) {
  if (text.empty() || text.size() > 9) return IntegerOrZero(std::string(text));
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return IntegerOrZero(std::string(text));
    value = value * 10 + (c - '0');
  }
  return value;
}

// The count of a contained-item line: the word after the first blank that
// follows "[benn" ("[benne 2 ..." gives 2).
int ContainedCount(std::string_view line) {
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

// Where an item line's number marker stands: "(#" (else "($") at `open`,
// the first ")" behind it at `close`. None without both.
struct NumberMarker {
  std::size_t open = 0, close = 0;
  std::string_view tagEnd;  // what ends the anchor before the number: ">#" or ">$"
};

std::optional<NumberMarker> FindNumberMarker(std::string_view line) {
  NumberMarker m{0, 0, report::kNumberAfterTag};
  m.open = line.find(report::kNumberOpen);
  if (m.open == std::string_view::npos) {
    m.tagEnd = report::kMoneyAfterTag;
    m.open = line.find(report::kMoneyOpen);
    if (m.open == std::string_view::npos) return std::nullopt;
  }
  m.close = line.find(')', m.open + 2);
  if (m.close == std::string_view::npos) return std::nullopt;  // no number behind the marker
  return m;
}

// An item line, collected: the item's number and the walk's count go to the
// list, its link and name too at its first sighting. A line without "(#"
// or "($" is not counted.
void CollectItemLine(Walk& w, std::string_view line, bool contained) {
  const std::optional<NumberMarker> m = FindNumberMarker(line);
  if (!m) return;
  w.number = IntegerOrZeroOf(line.substr(m->open + 2, m->close - m->open - 2));
  const std::optional<std::vector<int>>& wanted = w.run.itemsLookedUp;
  if (wanted && !std::binary_search(wanted->begin(), wanted->end(), w.number)) return;
  std::string& link = w.link;
  std::string& name = w.name;
  CutLinkAndName(line, report::kItemLinkEnd, &link, &name);
  if (contained && name.empty()) CutLinkAndName(line, report::kContainedItemLinkEnd, &link, &name);
  AddToList(w, link, name);
}

// An item line, annotated and appended to `out`: its number gets the
// encyclopedia link, and the note goes behind the first ")" from the first
// ">#" (">$") of the linked line on. A line without "(#" or "($" is
// appended as it stands and not counted.
void AnnotateItemLine(Walk& w, std::string_view line, bool contained, std::string& out) {
  const std::optional<NumberMarker> m = FindNumberMarker(line);
  if (!m) {
    out += line;
    return;
  }
  w.number = IntegerOrZeroOf(line.substr(m->open + 2, m->close - m->open - 2));
  const PageSettings& settings = w.run.setup.settings;
  const bool coloured = !contained && w.run.watchedItems.count(w.number) > 0;
  // The line linked: "(" + anchor + "#number" + "</A>" + ")...".
  const std::size_t base = out.size();
  out.append(line.substr(0, m->open + 1));
  if (w.runeLimit <= 0) {
    out += w.anchorHead;
    char digits[16];
    out.append(digits, std::to_chars(digits, std::end(digits), w.number).ptr);
    out += coloured ? w.colouredTail : w.plainTail;
  } else {
    AppendItemAnchor(out, settings, w.number, w.runeLimit, coloured);
  }
  out.append(line.substr(m->open + 1, m->close - m->open - 1));
  out += report::kLinkEnd;
  out.append(line.substr(m->close));
  ++w.run.itemsAnnotated;
  const ItemRecord* item = w.run.setup.items.Find(w.number);
  if (item == nullptr) return;
  // The anchor's own end makes a ">#" (">$"), so one stands by then.
  const std::string_view linked = std::string_view(out).substr(base);
  const std::size_t tagEnd = FindFrom(linked, m->tagEnd);
  const std::size_t noteAt = linked.find(')', tagEnd) + 1;
  w.note.clear();
  AppendItemNote(w.note, settings, *item, w.count);
  out.insert(base + noteAt, w.note);
  ++w.run.itemsKnown;
}

// CellText without its cuts and searches: the text after the first ">" up
// to the next "<" (or the end), blanks trimmed.
std::string_view CellTextOf(std::string_view line) {
  const std::size_t gt = line.find('>');
  if (gt == std::string_view::npos) return {};
  std::string_view text = line.substr(gt + 1);
  text = text.substr(0, text.find('<'));
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// IntegerOrZeroOf(CellTextOf(cell)) in one look at the cell where its text
// is blanks around at most nine digits, as nearly every count's is.
int CountOf(std::string_view cell) {
  const std::size_t gt = cell.find('>');
  if (gt == std::string_view::npos) return 0;
  const std::size_t n = cell.size();
  std::size_t at = gt + 1;
  while (at < n && cell[at] == ' ') ++at;
  const std::size_t digits = at;
  int value = 0;
  auto digit = [&cell, n](std::size_t i) { return i < n && cell[i] >= '0' && cell[i] <= '9'; };
  for (; at - digits < 9 && digit(at); ++at) value = value * 10 + (cell[at] - '0');
  const bool plain = !digit(at);  // no tenth digit
  while (at < n && cell[at] == ' ') ++at;
  if (plain && (at == n || cell[at] == '<')) return value;
  return IntegerOrZeroOf(CellTextOf(cell));
}

// A count cell, from the ">" that opens its text on: a rune limit in front
// of the count ("3&ge; 5") is taken and removed from the cell; the count is
// what is left. Returns the cell as the page gets it: `cell` itself, or
// without the rune limit in w.countText.
std::string_view CountCell(Walk& w, std::string_view cell) {
  w.runeLimit = 0;
  if (std::memchr(cell.data(), '&', cell.size()) != nullptr &&
      cell.find("&ge;") != std::string_view::npos) {
    w.runeLimit = IntegerOrZero(TextBefore(CellText(cell), "&"));
    w.countText = RemoveEvery(std::string(cell), std::to_string(w.runeLimit) + "&ge;");
    cell = w.countText;
  }
  w.count = CountOf(cell);
  return cell;
}

// An item line of its own: written annotated, or collected.
void ItemLine(Walk& w, std::string_view line, bool contained) {
  if (!w.annotate) {
    CollectItemLine(w, line, contained);
    return;
  }
  w.line.clear();
  AnnotateItemLine(w, line, contained, w.line);
  w.run.WriteLine(w.line);
}

// A count line, written (annotated) as its count cell leaves it. Returns
// whether it read the item's lines after it: the cell between, then the
// item line.
bool CountLine(Walk& w, std::string_view line) {
  const std::string_view cell = CountCell(w, line);
  if (w.annotate) w.run.WriteLine(cell);
  if (w.count <= 0) return false;
  const std::string_view between = w.run.ReadLineView();
  if (w.annotate) w.run.WriteLine(between);
  ItemLine(w, w.run.ReadLineView(), false);
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
  static_assert(kTableEndB > 0 && kCountB > 0 && kContainedB > 0);
  // The byte before the b tells most b's apart before the whole compare.
  auto holdsAround = [&](std::size_t b, std::string_view marker, std::size_t markerB) {
    return b >= markerB && line[b - 1] == marker[markerB - 1] &&
           line.compare(b - markerB, marker.size(), marker) == 0;
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
  // Whether the current line (the last one read) holds "</table>".
  bool tableEnd = run.CurrentHolds(older::kTableEnd);
  bool read = false;
  while (!run.Eof() && !tableEnd) {
    const std::string_view line = run.ReadLineView();
    read = true;
    const ItemLineMarks marks = MarksOf(line);
    tableEnd = marks.tableEnd;
    if (marks.countCell) {
      if (CountLine(w, line)) tableEnd = Contains(run.LastLine(), older::kTableEnd);
    } else if (marks.contained) {
      w.count = ContainedCount(line);
      ItemLine(w, line, true);
    } else if (w.annotate) {
      run.WriteLine(line);
    }
  }
  if (read) run.KeepLastLine();
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
void ItemRow(Walk& w, std::string_view row, std::size_t firstCount) {
  constexpr std::size_t npos = std::string_view::npos;
  std::string& written = w.written;  // the row as the page gets it (annotate mode)
  written.clear();
  std::size_t done = 0;  // the row is written up to here
  // Both searches only move forward: a row of many items is read in one go.
  std::size_t effect = FindFrom(row, kEffectCell);
  for (std::size_t at = firstCount; at != npos;) {
    const std::size_t start = at + kCountCell.size() - 1;  // the count cell's ">"
    const std::size_t next = FindFrom(row, kCountCell, start + 1);
    if (effect != npos && effect <= start) effect = FindFrom(row, kEffectCell, start + 1);
    const std::size_t end = std::min({next, effect, row.size()});
    const std::string_view item = row.substr(start, end - start);
    const std::size_t cellEnd = std::min(item.find('<'), item.size());
    const std::string_view rest = item.substr(cellEnd);
    if (w.annotate) written.append(row.substr(done, start - done));
    const std::string_view count = CountCell(w, item.substr(0, cellEnd));
    if (w.annotate) {
      written += count;
      if (w.count > 0)
        AnnotateItemLine(w, rest, false, written);
      else
        written += rest;
    } else if (w.count > 0) {
      CollectItemLine(w, rest, false);
    }
    done = end;
    at = next;
  }
  if (!w.annotate) return;
  if (done == 0) {
    w.run.WriteLine(row);
    return;
  }
  written.append(row.substr(done));
  w.run.WriteLine(written);
}

// The newer layout: every line is a table row, the table ends at a line
// holding "</TABLE></TD></TR></TABLE>". A row without count cells that
// holds "[benn" is a contained item, read as in the older layout.
void WalkRowsOfItems(Walk& w) {
  PageRun& run = w.run;
  bool tableEnd = run.CurrentHolds(newer::kTableEnd);
  bool read = false;
  while (!run.Eof() && !tableEnd) {
    const std::string_view line = run.ReadLineView();
    read = true;
    tableEnd = Contains(line, newer::kTableEnd);
    if (const std::size_t count = FindFrom(line, kCountCell); count != std::string_view::npos) {
      ItemRow(w, line, count);
    } else if (Contains(line, kContainedMark)) {
      w.count = ContainedCount(line);
      ItemLine(w, line, true);
    } else if (w.annotate) {
      run.WriteLine(line);
    }
  }
  if (read) run.KeepLastLine();
}

}  // namespace

void WalkItemTable(PageRun& run, WalkMode mode, bool bank) {
  Walk w{run, mode == WalkMode::kAnnotate, bank};
  if (w.annotate) {
    const PageSettings& settings = run.setup.settings;
    AppendAnchorHead(w.anchorHead, settings);
    AppendAnchorTail(w.plainTail, settings, 0, false);
    AppendAnchorTail(w.colouredTail, settings, 0, true);
  }
  if (run.layout == Layout::kOlder)
    WalkLinesOfItems(w);
  else
    WalkRowsOfItems(w);
}

void AppendItemAnchor(std::string& out, const PageSettings& settings, int number, int runeLimit,
                      bool coloured) {
  AppendAnchorHead(out, settings);
  out += std::to_string(number);
  AppendAnchorTail(out, settings, runeLimit, coloured);
}

std::string ItemAnchor(const PageSettings& settings, int number, int runeLimit, bool coloured) {
  std::string anchor;
  AppendItemAnchor(anchor, settings, number, runeLimit, coloured);
  return anchor;
}

void AppendItemNote(std::string& out, const PageSettings& settings, const ItemRecord& item,
                    int count) {
  const std::int64_t total = static_cast<std::int64_t>(item.weight) * count;
  // TulNagySuly is in whole kilograms; the total is in hundredths.
  const bool tooHeavy =
      settings.tooHeavyKg >= 1 && static_cast<std::int64_t>(settings.tooHeavyKg) * 100 < total;
  out += " [<SPAN TITLE=\"Súly: "_cp;
  AppendHundredths(out, item.weight);
  out += " kg, Eladási ár: "_cp;
  out += std::to_string(item.sellPrice);
  out += " ap, Vételi ár: "_cp;
  out += std::to_string(item.buyPrice);
  out += " ap\" CLASS=";
  out += settings.noteClass;
  out += '>';
  if (tooHeavy) out += "<FONT COLOR=red>";
  AppendHundredths(out, total);
  if (tooHeavy) out += "</FONT>";
  out += '/';
  out += std::to_string(static_cast<std::int64_t>(item.sellPrice) * count);
  out += "</SPAN>]";
}

std::string ItemNote(const PageSettings& settings, const ItemRecord& item, int count) {
  std::string note;
  AppendItemNote(note, settings, item, count);
  return note;
}

void AppendHundredths(std::string& out, std::int64_t value) {
  const bool negative = value < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  const std::uint64_t cents = magnitude % 100;
  if (negative) out += '-';
  out += std::to_string(magnitude / 100);
  out += cents < 10 ? ".0" : ".";
  out += std::to_string(cents);
}

std::string Hundredths(std::int64_t value) {
  std::string text;
  AppendHundredths(text, value);
  return text;
}

}  // namespace qv
