#include "itemlist/group_tables.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/text.h"

namespace qv {
namespace {

constexpr std::string_view kTenBlanks =
    "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";

// Cells that go three to a row. A part's title rows come just before its
// first cell, so a part without cells adds nothing.
class CellRows {
 public:
  CellRows(std::string& out, std::vector<std::string> title, std::vector<std::string> filler)
      : out_(out), title_(std::move(title)), filler_(std::move(filler)) {}

  void Cell(const std::vector<std::string>& pieces) {
    if (cells_ == 0) Add(title_);
    if (cells_ % 3 == 0) Add({"<TR>"});
    Add(pieces);
    if (++cells_ % 3 == 0) Add({"</TR>"});
  }
  // Fills up and closes a row with one or two cells.
  void Finish() {
    if (cells_ % 3 == 0) return;
    while (cells_ % 3 != 0) {
      Add(filler_);
      ++cells_;
    }
    Add({"</TR>"});
  }
  bool any() const { return cells_ > 0; }

 private:
  void Add(const std::vector<std::string>& pieces) {
    for (const std::string& p : pieces) out_ += p + "\r\n";
  }
  std::string& out_;
  std::vector<std::string> title_;
  std::vector<std::string> filler_;
  int cells_ = 0;
};

std::vector<std::string> PartTitle(std::string_view title) {
  return {"<TR CLASS=tfej2>", "<TD COLSPAN=9>" + std::string(title) + "</TD>", "</TR>"};
}

std::vector<int> PositiveNumbers(const std::string& text) {
  std::vector<int> numbers;
  for (const std::string& entry : ListEntries(text)) {
    const int n = IntegerOrZero(entry);
    if (n > 0) numbers.push_back(n);
  }
  return numbers;
}

bool HarmfulSpells(PageRun& run, std::string& out) {
  const std::vector<std::string> filler{"<TD COLSPAN=3>" + std::string(kTenBlanks) + "</TD>"};
  CellRows rows(out, PartTitle("Ártalmas varázslatok"_cp), filler);
  for (int n : PositiveNumbers(run.setup.settings.harmfulSpells))
    if (const ActiveSpell* spell = run.FindSpell(n))
      rows.Cell({"<TD COLSPAN=3>" + spell->name + " (#" + std::to_string(n) + ")</TD>"});
  rows.Finish();
  return rows.any();
}

bool WatchedSpells(PageRun& run, std::string& out) {
  const std::vector<std::string> filler{"<TD COLSPAN=3>" + std::string(kTenBlanks) + "</TD>"};
  CellRows rows(out, PartTitle("Figyelt varázslatok"_cp), filler);
  for (int n : PositiveNumbers(run.setup.settings.watchedSpells)) {
    if (run.FindSpell(n) != nullptr) continue;
    const SpellRecord* spell = run.setup.spells.Find(n);
    const std::string name =
        spell != nullptr ? spell->name : std::string("ismeretlen varázslat"_cp);
    rows.Cell({"<TD COLSPAN=3>" + name + " (#" + std::to_string(n) + ")</TD>"});
  }
  rows.Finish();
  return rows.any();
}

// An entry of FigyeltTargyak: "number<limit" or "number>limit" (the first
// ">" is taken, else the first "<"); none for a number that is not above 0.
struct WatchedEntry {
  int number;
  char sign;
  int limit;
};

std::optional<WatchedEntry> ReadWatchedEntry(const std::string& entry) {
  int at = Find(">", entry);
  if (at == 0) at = Find("<", entry);
  if (at == 0) return std::nullopt;
  const int number = IntegerOrZero(Copy(entry, 1, at - 1));
  if (number <= 0) return std::nullopt;
  const int limit = IntegerOrZero(Copy(entry, at + 1, static_cast<int>(entry.size())));
  return WatchedEntry{number, entry[at - 1], limit};
}

std::vector<std::string> WatchedItemCell(PageRun& run, int number, char sign, int limit) {
  const std::string bound =
      " (#" + std::to_string(number) + ") [" + sign + std::to_string(limit) + "]";
  if (const FoundItem* item = run.FindItem(number)) {
    const std::int64_t held = item->count - item->bankCount;
    if (!(sign == '<' ? held < limit : held > limit)) return {};
    const std::string bankNote =
        item->bankCount > 0 ? " (bankban: " + std::to_string(item->bankCount) + ")" : "";
    return {"<TD CLASS=tdb> " + std::to_string(held) + " </TD>", "<TD CLASS=teq> </TD>",
            "<TD>" + item->link + item->name + "</A>" + bound + bankNote + "</TD>"};
  }
  if (!(sign == '<' ? limit > 0 : limit < 0)) return {};
  const ItemRecord* known = run.setup.items.Find(number);
  // Names from the item file keep their leading blank: "<TD> " + " kard".
  const std::string name = known != nullptr ? known->name : std::string("ismeretlen tárgy"_cp);
  return {"<TD CLASS=tdb> 0 </TD>", "<TD CLASS=teq> </TD>", "<TD> " + name + bound + "</TD>"};
}

bool WatchedItems(PageRun& run, std::string& out) {
  CellRows rows(
      out, PartTitle("Figyelt tárgyak"_cp),
      {"<TD CLASS=tdb></TD>", "<TD CLASS=teq></TD>", "<TD>" + std::string(kTenBlanks) + "</TD>"});
  for (const std::string& text : ListEntries(run.setup.settings.watchedItems)) {
    const std::optional<WatchedEntry> entry = ReadWatchedEntry(text);
    if (!entry) continue;
    run.watchedItems.insert(entry->number);
    const std::vector<std::string> cell =
        WatchedItemCell(run, entry->number, entry->sign, entry->limit);
    if (!cell.empty()) rows.Cell(cell);
  }
  rows.Finish();
  return rows.any();
}

// The items a group holds, in the order they were first seen. The group's
// entries are looked up among the items' numbers, rather than every item
// being tested against every group: a page of many groups and many items
// stays quick.
std::vector<const FoundItem*> GroupItems(
    const ItemGroup& group, const std::vector<FoundItem>& items,
    const std::unordered_map<std::string_view, std::size_t>& byNumber) {
  std::vector<std::size_t> found;
  for (std::string_view entry : group.Entries()) {
    const auto it = byNumber.find(entry);
    if (it != byNumber.end()) found.push_back(it->second);
  }
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  std::vector<const FoundItem*> held;
  for (std::size_t i : found) held.push_back(&items[i]);
  return held;
}

}  // namespace

void WriteGroupTables(PageRun& run) {
  if (run.setup.settings.groupCount <= 0) return;
  for (const char* line : {"<TABLE>", "<TR CLASS=tfej>"}) run.WriteLine(line);
  run.WriteLine("<TD COLSPAN=9>TÁRGYCSOPORTOK</TD>"_cp);
  run.WriteLine("</TR>");
  // Each item by the decimal text of its number (the numbers are distinct).
  std::vector<std::string> numberTexts;
  numberTexts.reserve(run.items.size());
  for (const FoundItem& item : run.items) numberTexts.push_back(std::to_string(item.number));
  std::unordered_map<std::string_view, std::size_t> byNumber;
  for (std::size_t i = 0; i < numberTexts.size(); ++i) byNumber.emplace(numberTexts[i], i);

  for (const ItemGroup& group : run.setup.groups) {
    run.WriteLine("<TR CLASS=tfej2>");
    run.WriteLine("<TD COLSPAN=9> " + group.name + "</TD>");
    run.WriteLine("</TR>");
    int inRow = 0;
    const std::vector<const FoundItem*> held = GroupItems(group, run.items, byNumber);
    const bool any = !held.empty();
    for (const FoundItem* found : held) {
      const FoundItem& item = *found;
      if (inRow == 0) run.WriteLine("<TR>");
      run.WriteLine("<TD CLASS=tdb> " + std::to_string(item.count) + " </TD>");
      run.WriteLine("<TD CLASS=teq> </TD>");
      run.WriteLine("<TD> " + item.link + item.name + "</A> (#" + std::to_string(item.number) +
                    ") </TD>");
      if (++inRow == 3) {
        run.WriteLine("</TR>");
        inRow = 0;
      }
    }
    if (inRow > 0) {
      for (; inRow < 3; ++inRow)
        for (const char* line : {"<TD CLASS=tdb></TD>", "<TD CLASS=teq></TD>", "<TD></TD>"})
          run.WriteLine(line);
      run.WriteLine("</TR>");
    }
    if (!any) {
      run.WriteLine("<TR>");
      run.WriteLine(
          "<TD COLSPAN=9><SPAN CLASS=hiba>Nincs egyetlen ilyen tárgyad sem!</SPAN></TD>"_cp);
      run.WriteLine("</TR>");
    }
  }
  run.WriteLine("</TABLE>");
  run.WriteLine("<P>");
}

void WriteWatchedTable(PageRun& run) {
  const PageSettings& s = run.setup.settings;
  const std::string background =
      s.watchedBackground.empty() ? "" : " STYLE='background-color:" + s.watchedBackground + "'";
  std::string table = "<CENTER><DIV CLASS=klap><TABLE" + background + ">\r\n<TR CLASS=tfej>\r\n" +
                      std::string("<TD COLSPAN=9>FIGYELT TÁRGYAK ÉS VARÁZSLATOK</TD>\r\n"_cp) +
                      "</TR>\r\n";
  bool anyRow = false;
  if (!s.harmfulSpells.empty()) anyRow |= HarmfulSpells(run, table);
  if (!s.watchedSpells.empty()) anyRow |= WatchedSpells(run, table);
  if (!s.watchedItems.empty()) anyRow |= WatchedItems(run, table);
  if (!anyRow) return;
  table += "</TABLE>\r\n</DIV></CENTER><P>\r\n";
  run.WriteLine(table);
}

std::vector<int> ItemNumbersLookedUp(const PageSettings& settings,
                                     const std::vector<ItemGroup>& groups) {
  std::vector<int> numbers;
  for (const std::string& text : ListEntries(settings.watchedItems))
    if (const std::optional<WatchedEntry> entry = ReadWatchedEntry(text))
      numbers.push_back(entry->number);
  // A group entry names the item whose number has it as decimal text.
  for (const ItemGroup& group : groups) {
    for (const std::string_view entry : group.Entries()) {
      const std::string text(entry);
      const int number = IntegerOrZero(text);
      if (std::to_string(number) == text) numbers.push_back(number);
    }
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

std::vector<std::string> ListEntries(const std::string& text) {
  std::vector<std::string> entries;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t comma = text.find(',', from);
    if (comma == std::string::npos) {
      entries.push_back(TrimBlanks(std::string_view(text).substr(from)));
      break;
    }
    entries.push_back(text.substr(from, comma - from));
    from = comma + 1;
  }
  return entries;
}

}  // namespace qv
