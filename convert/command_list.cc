#include "convert/command_list.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "convert/section_tables.h"
#include "rtfkit/rtf_escape.h"
#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

// The newer layout's column title line; the list follows it.
constexpr std::string_view kNewerListTitle =
    "Röv.  1.PAR.    2.PAR.    3.PAR.    TVP    Utasítás"_cp;
constexpr std::string_view kColumnTitle =
    R"({\f11\fs12 Röv. 1.PAR.    2.PAR.    3.PAR.     TVP  Utasítás\cell})"_cp;
constexpr std::string_view kEmptyCell = R"({\f11\fs12\cell})";

// Two command columns with a narrow empty one between them.
constexpr int kColumnEdges[] = {5000, 5200, 10200};

// Tabs become blanks, `blanks` blanks go in before character `at`, and as
// many characters before the last one go again: the columns behind the tab
// move right and the line keeps its length.
std::string ShiftColumns(std::string line, int at, int blanks) {
  line = ReplaceAll("\t", " ", std::move(line));
  Insert(std::string(static_cast<std::size_t>(blanks), ' '), line, at);
  Delete(line, Length(line) - blanks, blanks);
  return line;
}

// The first rule that fits: the two item-payment lines with a tab, then (older
// layout) the game-week savings lines, which lose their surplus words.
std::string RewriteListLine(Layout layout, std::string line) {
  const bool tab = Contains(line, "\t");
  using report::kItemPaymentRow, report::kItemPaymentThirdRow;
  if (tab && Contains(line, kItemPaymentRow)) return ShiftColumns(std::move(line), 30, 7);
  if (tab && Contains(line, kItemPaymentThirdRow)) return ShiftColumns(std::move(line), 20, 14);
  if (layout == Layout::kOlder) {
    using older::kExtraTurnRow, older::kSavedPointsRow, older::kSavingPointsRow;
    if (Contains(line, kSavedPointsRow)) line = ReplaceAll("spórolt "_cp, "", std::move(line));
    if (Contains(line, kSavingPointsRow)) line = ReplaceAll(", spórolása"_cp, "", std::move(line));
    if (Contains(line, kExtraTurnRow)) line = ReplaceAll("játékhét "_cp, "", std::move(line));
  }
  return line;
}

// The column titles over both command columns, ruled below.
void WriteHeaderRow(RtfWriter& rtf) {
  std::string opener;
  for (std::string_view line :
       {R"(\trowd)", R"(\clvertalt\clbrdrb\brdrs\brdrw10)", R"(\cellx5000)", R"(\cellx5200)",
        R"(\clvertalt\clbrdrb\brdrs\brdrw10)", R"(\cellx10200)", R"(\widctlpar\intbl)"})
    (opener += line) += "\r\n";
  TableRows rows(rtf);
  rows.Start(opener, 3);
  rows.Cell(kColumnTitle);
  rows.Cell(kEmptyCell);
  rows.Cell(kColumnTitle);
  rows.End();
}

// A cell holding a list line of the report.
std::string Cell(std::string_view entry) {
  return R"({\f11\fs12 )" + RtfEscape(entry) + R"(\cell})";
}

// Entries 0 to n / 2 go down the left column, the rest down the right one.
// An empty list writes no row.
void WriteColumns(RtfWriter& rtf, const std::vector<std::string>& entries) {
  const std::size_t n = entries.size();
  TableRows rows(rtf);
  for (std::size_t r = 0; n > 0 && r <= n / 2; ++r) {
    rows.Start(kColumnEdges, true);
    rows.Cell(Cell(entries[r]));
    rows.Cell(kEmptyCell);
    const std::size_t right = n / 2 + 1 + r;
    rows.Cell(right < n ? Cell(entries[right]) : std::string(kEmptyCell));
    rows.End();
  }
  rtf.Line(R"(\pard)");
}

bool AtListEnd(const std::string& line) { return HoldsLowered(line, older::kListEnd); }

// The line as it goes into the list, unless it ends the list.
void TakeListLine(ConverterRun& run) {
  run.currentLine = RewriteListLine(run.layout, run.currentLine);
  if (!Contains(HungarianLowerCase(run.currentLine), older::kListEnd))
    run.commandList.push_back(StripTags(run.currentLine));
}

}  // namespace

void WriteCommandList(ConverterRun& run) {
  run.Console("   Parancsok...");
  run.rtf.Line(R"({\f11\fs12\par})");

  // The older layout's list starts with the "<pre>" line itself, which is
  // read again once the header row is written.
  std::optional<std::int64_t> preLineStart;
  if (run.layout == Layout::kOlder) {
    while (!run.Eof() && !HoldsLowered(run.currentLine, older::kListStart)) {
      preLineStart = run.report.TextFilePos();
      run.ReadLine();
    }
  } else {
    run.ReadUntilAny({kNewerListTitle});
  }
  WriteHeaderRow(run.rtf);

  if (run.layout == Layout::kOlder && HoldsLowered(run.currentLine, older::kListStart)) {
    if (preLineStart) {
      run.report.TextFileSeek(*preLineStart);
    } else if (!AtListEnd(run.currentLine)) {
      // The title line holds "<pre>" itself: no line was read, so there is
      // no mark to go back to, and the line is taken as it stands.
      TakeListLine(run);
    }
  }
  while (!run.Eof() && !AtListEnd(run.currentLine)) {
    run.ReadLine();
    TakeListLine(run);
  }
  WriteColumns(run.rtf, run.commandList);
}

}  // namespace qv
