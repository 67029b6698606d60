#include "itemlist/item_list_page.h"

#include <array>
#include <initializer_list>
#include <string_view>

#include "itemlist/group_tables.h"
#include "itemlist/item_tables.h"
#include "itemlist/mind_skills.h"
#include "itemlist/page_maps.h"
#include "itemlist/page_run.h"
#include "platform/error.h"
#include "text/cp1250.h"
#include "text/cut_report.h"
#include "text/line_cuts.h"
#include "text/output_names.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

constexpr std::string_view kSheet = report::kSheetTitle;
constexpr std::string_view kItems = itempage::kItemsTitle;
constexpr std::string_view kActiveSpells = itempage::kActiveSpellsTitle;
constexpr std::string_view kBank = itempage::kBankTitle;
constexpr std::string_view kTurnStart = itempage::kTurnStartTitle;
constexpr std::string_view kThisTurn = itempage::kThisTurnTitle;
// The pre-scan looks for the title with its cell's end tag right behind.
constexpr std::string_view kSkillTitleScan = itempage::kMindSkillsScan;
constexpr std::string_view kSkillTitle = itempage::kMindSkillsLine;

constexpr std::string_view kStyleLine =
    "<style type=\"text/css\">A.trinigan {color: blue; font-style: normal;} DIV.klap {width: "
    "1000px;} TD.fa {text-align: center; border: #EEEEEE 1px solid; font-size: 13px;} TD.fa A "
    "{font-style: normal;} TD.fa_aktiv {color: #168001;} TD.fa_fejl {color: #272f97;}</style>";

// The same, writing every line read; no markers copies the rest.
void CopyUntil(PageRun& run, std::initializer_list<std::string_view> markers) {
  while (!run.Eof() && !run.HoldsAny(markers)) {
    run.WriteText(run.PassLinesWithout(markers));
    run.WriteLine(run.ReadLine());
  }
}

// The skill list is read before anything is written, so that the second
// pass knows whether to replace the report's skill table.
void PreScanSkills(PageRun& run) {
  while (!run.Eof() && !run.CurrentHolds(kSkillTitleScan)) {
    run.PassLinesWithout({kSkillTitleScan});
    run.ReadLine();
    if (run.CurrentHolds(kSkillTitleScan)) {
      ReadSkillList(run);
      run.skillsFound = true;
      return;
    }
  }
}

// Copies up to and including the "KARAKTERLAP" line, with the style line
// behind "</style>"; false when the report has no such line.
bool OpeningCopy(PageRun& run) {
  while (!run.Eof()) {
    run.WriteText(run.PassLinesWithout({itempage::kStyleEnd, kSheet}));
    run.WriteLine(run.ReadLine());
    if (run.CurrentHolds(itempage::kStyleEnd)) run.WriteLine(kStyleLine);
    if (run.CurrentHolds(kSheet)) return true;
  }
  return false;
}

// The spell a cell names: its number from "(#number)", its name the text
// before that, tags removed.
void AddActiveSpell(PageRun& run, std::string_view cell) {
  using report::kNumberOpen;
  run.spells.push_back(
      ActiveSpell{IntegerOrZero(NumberAfter(cell, kNumberOpen)),
                  TextBefore(TrimBlanks(RemoveTags(std::string(cell))), kNumberOpen)});
}

// The older layout gives each cell a line of its own; the newer puts a whole
// row on a line, two spells to a row, each cell opened by "<TD".
// Either ends the table at its first "</table>" (any case).
void CollectActiveSpells(PageRun& run) {
  while (!run.Eof() && !HoldsLowered(run.currentLine, older::kTableEnd)) {
    const std::string& line = run.ReadLine();
    if (run.layout == Layout::kOlder) {
      if (Contains(AsciiUpperCase(line), older::kPlainCell) && Contains(line, report::kNumberOpen))
        AddActiveSpell(run, line);
      continue;
    }
    const std::string_view row = line;
    for (std::size_t at = row.find(report::kCellStart); at != std::string_view::npos;) {
      const std::size_t next = row.find(report::kCellStart, at + 1);
      const std::string_view cell = row.substr(at, next - at);
      if (Contains(cell, report::kNumberOpen)) AddActiveSpell(run, cell);
      at = next;
    }
  }
}

// What the tables need from the sheet on: active spells, items and bank
// items. Nothing is written.
void CollectFromSheet(PageRun& run) {
  run.ReadUntilAny({kItems, kActiveSpells});
  if (run.CurrentHolds(kActiveSpells)) {
    CollectActiveSpells(run);
    run.ReadUntilAny({kItems});
  }
  if (run.CurrentHolds(kItems)) {
    WalkItemTable(run, WalkMode::kCollect, false);
    run.ReadUntilAny({kBank, kTurnStart, kThisTurn});
    if (run.CurrentHolds(kBank)) WalkItemTable(run, WalkMode::kCollect, true);
  }
}

struct Mark {
  std::int64_t report;
  std::int64_t page;
};

// The sheet copied up to the item table, with the report's skill table
// replaced by the new tables; then the group tables go over the page's
// copies of the last three lines, which are read and written again.
void SecondPass(PageRun& run) {
  const Mark start{run.ReportPosition(), run.page.Position()};
  // Positions before the last three lines read; the oldest first. Before
  // the pass has read three lines they point at its start.
  std::array<Mark, 3> marks{start, start, start};
  auto moveBack = [&run, &marks] {
    run.ReportSeek(marks[0].report);
    run.page.Seek(marks[0].page);
  };

  while (!run.Eof() && !run.CurrentHolds(kItems)) {
    run.page.SettleBefore(marks[0].page);  // no move goes back further
    marks[0] = marks[1];
    marks[1] = marks[2];
    marks[2] = Mark{run.ReportPosition(), run.page.Position()};
    run.ReadLine();
    if (run.skillsFound && run.CurrentHolds(kSkillTitle)) {
      // From two lines before the title through the line after "</table>".
      moveBack();
      while (!run.Eof() && !run.CurrentHolds(older::kTableEnd)) run.ReadLine();
      run.ReadLine();
      if (!run.skills.empty()) WriteMindSkillTables(run);
      // The notes taken before the move point into page text that has just
      // been replaced; the group tables may go back no further than here.
      marks.fill(Mark{run.ReportPosition(), run.page.Position()});
    } else {
      run.WriteLine(run.currentLine);
    }
  }

  moveBack();
  WriteGroupTables(run);
  CopyUntil(run, {kItems});
}

// The group tables went back over the last lines before the item table's
// title and left them to be read again. The older layout's title is the
// table's third line, so its walk may read them as part of the table; the
// newer layout's title line opens the table, and the lines before it may end
// another table, which would end the walk before it began. They are copied
// again up to and including the title line, and the walk starts behind it.
void CopyAgainThroughItemsTitle(PageRun& run) {
  do {
    run.WriteLine(run.ReadLine());
  } while (!run.Eof() && !run.CurrentHolds(kItems));
}

}  // namespace

// The report is read several times: a pre-scan for the skill list, the
// opening copy up to the sheet, a pass that collects spells and items
// without writing, and from the sheet on the copy that places the tables.
void BuildItemListPage(RunContext& ctx, PageSetupCache& cache, ReportReader& report, Layout layout,
                       const ItemListSettings& settings) {
  const std::string& fileName = report.name();
  if (ItemListPageName(fileName) == fileName)
    throw Error(error_kind::kName,
                "'" + fileName + "' targylista-oldala felulirna a fordulot: a neveben nincs \"_\"");

  cache.maps().LookForFontAhead();  // found while the setup loads and the page goes out
  const PageSetup& setup = cache.Get(ctx, settings);
  const std::string pageName = OutputNameFor(report, ItemListPageName(fileName), ctx.console);
  PageFile page;  // created once the skill list is known
  PageRun run(setup, report, page, ctx.console, layout);
  run.itemsLookedUp = ItemNumbersLookedUp(setup.settings, setup.groups);

  PreScanSkills(run);
  run.ReportSeek(0);
  page = PageFile::Create(pageName);
  // The map pictures go in as the page's text goes out.
  AddMapPictures(page, ctx, layout, fileName, cache.maps());
  run.settleAsWritten = true;

  if (!OpeningCopy(run)) {
    // Without a character sheet the page is the report with its style line.
    page.Finish();
    return;
  }
  const std::int64_t sheetPos = run.ReportPosition();
  CollectFromSheet(run);

  run.ReportSeek(sheetPos);
  const PageSettings& s = setup.settings;
  if (!s.harmfulSpells.empty() || !s.watchedSpells.empty() || !s.watchedItems.empty())
    WriteWatchedTable(run);

  run.settleAsWritten = false;  // the second pass moves back
  SecondPass(run);
  run.settleAsWritten = true;
  if (run.CurrentHolds(kItems)) {
    if (layout == Layout::kNewer) CopyAgainThroughItemsTitle(run);
    WalkItemTable(run, WalkMode::kAnnotate, false);
  }
  CopyUntil(run, {kBank, kTurnStart, kThisTurn});
  if (run.CurrentHolds(kBank)) WalkItemTable(run, WalkMode::kAnnotate, true);
  CopyUntil(run, {kTurnStart, kThisTurn});
  if (run.CurrentHolds(kTurnStart)) WalkItemTable(run, WalkMode::kAnnotate, false);
  CopyUntil(run, {kThisTurn});
  if (run.CurrentHolds(kThisTurn)) WalkItemTable(run, WalkMode::kAnnotate, false);
  CopyUntil(run, {});
  page.Finish();
  // A list that knows none of the items (the shipped one knows only those of
  // the sample reports) would leave the player wondering where the notes went.
  if (run.itemsAnnotated > 0 && run.itemsKnown == 0)
    ctx.console.WarningLine(NoItemKnownWarning(setup.itemsPath));
}

}  // namespace qv
