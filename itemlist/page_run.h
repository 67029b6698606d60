// The state of building one item-list page: the report being read, the page
// being written, and what the passes over the report collect for the tables.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "itemlist/page_file.h"
#include "itemlist/page_setup.h"
#include "itemlist/report_lines.h"
#include "platform/console.h"
#include "text/line_cuts.h"
#include "text/report_reader.h"
#include "text/text.h"
#include "text/turn_report.h"

namespace qv {

// An item of the report's item tables, counted over all its sightings. The
// counts are 64 bits wide: each sighting adds a 32-bit count, so no report
// of a sane size can take the sums past their range.
struct FoundItem {
  int number = 0;
  std::string name;
  std::int64_t count = 0;
  std::string link;  // the item's opening anchor tag as it stood in the report
  std::int64_t bankCount = 0;
};

// A spell that is active on the character.
struct ActiveSpell {
  int number = 0;
  std::string name;
};

// One skill of the character's KT, as the report's skill list gives it.
struct MindSkill {
  int number = 0;
  std::string name;
  int developed = 0;  // TU developed so far
  int needed = 0;     // TU still needed
  int ktNeeds = 0;    // TU the KT still needs
  bool usable = false;
};

// The report is read only through ReadLine, ReadLineView and ReadUntilAny,
// which drop the control bytes a page must not carry (as a document drops
// them), and PassLinesWithout, which passes over only lines that hold none,
// so every line the page copies, cuts names from or tests for markers is
// clean.
struct PageRun {
  PageRun(const PageSetup& setup, ReportReader& report, PageFile& page, Console& console,
          Layout layout = Layout::kOlder)
      : setup(setup), page(page), console(console), layout(layout), lines_(report) {}

  std::string currentLine;  // the last line read from the report

  bool Eof() { return lines_.Eof(); }
  // Reads the next report line, without its control bytes, into
  // currentLine and returns it.
  const std::string& ReadLine() {
    lines_.ReadLine(currentLine);
    return currentLine;
  }
  // The next line as ReadLine reads it, without the copy into currentLine:
  // it holds until the next read. KeepLastLine() makes it currentLine.
  std::string_view ReadLineView() { return lines_.ReadLineView(); }
  void KeepLastLine() { currentLine.assign(lines_.LastLine()); }
  std::string_view LastLine() const { return lines_.LastLine(); }
  bool CurrentHolds(std::string_view marker) const { return Contains(currentLine, marker); }
  bool HoldsAny(std::initializer_list<std::string_view> markers) const {
    for (const std::string_view m : markers)
      if (CurrentHolds(m)) return true;
    return false;
  }
  // Reads on until currentLine holds one of the markers (or the report
  // ends); a line that already holds one is not passed over.
  void ReadUntilAny(std::initializer_list<std::string_view> markers) {
    while (!Eof() && !HoldsAny(markers)) {
      PassLinesWithout(markers);
      ReadLine();
    }
  }
  // Passes over the next lines if they hold none of the markers and would
  // be copied as they stand, as ReportLines::PassLinesWithout does, and
  // returns them with their line ends: reading them one by one would find
  // no marker in them and give their bytes but the line ends.
  std::string_view PassLinesWithout(std::initializer_list<std::string_view> markers) {
    return lines_.PassLinesWithout(
        std::span<const std::string_view>(markers.begin(), markers.size()));
  }
  // The report's offset of the next line to read, and a return there.
  std::int64_t ReportPosition() const { return lines_.Position(); }
  void ReportSeek(std::int64_t offset) { lines_.Seek(offset); }

  const PageSetup& setup;
  PageFile& page;
  Console& console;
  Layout layout;  // decides how the item tables and active spells are read

  std::vector<FoundItem> items;  // in the order first seen
  // The item numbers the tables look up, in ascending order: when set, the
  // item tables collect only these (a report lists thousands of items, the
  // tables name a few).
  std::optional<std::vector<int>> itemsLookedUp;
  std::vector<ActiveSpell> spells;
  std::unordered_set<int> watchedItems;  // filled by the watched table
  std::vector<MindSkill> skills;
  bool skillsFound = false;
  bool treeFound = false;
  int remainingTu = 0;
  // Items the item tables annotated, and those of them the item list knows.
  int itemsAnnotated = 0;
  int itemsKnown = 0;

  // Writes a page line (CR LF added).
  void WriteLine(std::string_view text) {
    page.Line(text);
    if (settleAsWritten) page.SettleBefore(page.Position());
  }
  // Writes page text as it is.
  void WriteText(std::string_view text) {
    page.Write(text);
    if (settleAsWritten) page.SettleBefore(page.Position());
  }
  // Whether what is written is final: no move goes back before it.
  bool settleAsWritten = false;

  // The entry of an item number, or nullptr.
  FoundItem* FindItem(int number);
  // Appends an entry for a number not seen yet.
  FoundItem& AddItem(FoundItem item);
  const ActiveSpell* FindSpell(int number) const;

 private:
  std::unordered_map<int, std::size_t> itemIndex_;
  ReportLines lines_;
};

}  // namespace qv
