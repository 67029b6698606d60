#include "convert/character_sheet.h"

#include <string_view>

#include "rtfkit/rtf_escape.h"
#include "rtfkit/table_rows.h"
#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

// Row openers of the attribute table: centred, four columns of 2550 twips,
// a frame around the table and rules between the columns; the top row has a
// rule above it, the bottom row one below it.
// clang-format off
constexpr std::string_view kTopOpener[] = {
    R"(\par\f11\fs19\trowd)", R"(\trqc)", R"(\trgaph70)",
    R"(\trbrdrt\brdrs\brdrw15)", R"(\trbrdrl\brdrs\brdrw15)", R"(\trbrdrb\brdrs\brdrw15)",
    R"(\trbrdrr\brdrs\brdrw15)", R"(\trbrdrv\brdrs\brdrw15)",
    R"(\clbrdrl\brdrs\brdrw15)", R"(\clbrdrt\brdrs\brdrw15)", R"(\cellx2550)",
    R"(\clbrdrt\brdrs\brdrw15)", R"(\clbrdrl\brdrs\brdrw15)", R"(\cellx5100)",
    R"(\clbrdrt\brdrs\brdrw15)", R"(\clbrdrl\brdrs\brdrw15)", R"(\cellx7650)",
    R"(\clbrdrt\brdrs\brdrw15)", R"(\clbrdrl\brdrs\brdrw15)", R"(\clbrdrr\brdrs\brdrw15)",
    R"(\cellx10200)", R"(\keep\keepn\widctlpar\intbl)"};

constexpr std::string_view kMiddleOpener[] = {
    R"(\trowd)", R"(\trqc)", R"(\trgaph70)",
    R"(\trbrdrl\brdrs\brdrw15)", R"(\trbrdrr\brdrs\brdrw15)", R"(\trbrdrv\brdrs\brdrw15)",
    R"(\clbrdrl\brdrs\brdrw15)", R"(\cellx2550)",
    R"(\clbrdrl\brdrs\brdrw15)", R"(\cellx5100)",
    R"(\clbrdrl\brdrs\brdrw15)", R"(\cellx7650)",
    R"(\clbrdrl\brdrs\brdrw15)", R"(\clbrdrr\brdrs\brdrw15)", R"(\cellx10200)",
    R"(\keep\keepn\widctlpar\intbl)"};

constexpr std::string_view kBottomOpener[] = {
    R"(\trowd)", R"(\trqc)", R"(\trgaph70)",
    R"(\trbrdrt\brdrs\brdrw15)", R"(\trbrdrl\brdrs\brdrw15)", R"(\trbrdrb\brdrs\brdrw15)",
    R"(\trbrdrr\brdrs\brdrw15)", R"(\trbrdrv\brdrs\brdrw15)",
    R"(\clbrdrl\brdrs\brdrw15)", R"(\clbrdrb\brdrs\brdrw15)", R"(\cellx2550)",
    R"(\clbrdrl\brdrs\brdrw15)", R"(\clbrdrb\brdrs\brdrw15)", R"(\cellx5100)",
    R"(\clbrdrl\brdrs\brdrw15)", R"(\clbrdrb\brdrs\brdrw15)", R"(\cellx7650)",
    R"(\clbrdrl\brdrs\brdrw15)", R"(\clbrdrr\brdrs\brdrw15)", R"(\clbrdrb\brdrs\brdrw15)",
    R"(\cellx10200)", R"(\keep\keepn\widctlpar\intbl)"};
// clang-format on

// Starts a row of the table with one of the openers above.
template <std::size_t N>
void StartRow(TableRows& rows, const std::string_view (&lines)[N]) {
  std::string opener;
  for (std::string_view line : lines) (opener += line) += "\r\n";
  rows.Start(opener, 4);
}

// The introduction runs from the line after the heading through the line
// that ends it; its text before ", egy " is the character's name (RTF text,
// as the introduction is).
template <typename Ends>
void WriteIntroduction(ConverterRun& run, Ends ends) {
  std::string text;
  while (!run.Eof() && !ends(run.currentLine)) {
    run.ReadLine();
    text += " " + run.currentLine;
  }
  text = RtfEscape(NormalizeBlanks(StripTags(text)));
  run.characterName = TextBefore(text, ", egy ");
  run.rtf.Line(R"(\qj\keep\keepn )" + text + R"(\par)");
}

// The paragraph after the table: the lines up to the one that ends it, joined
// without separators.
template <typename Ends>
void WriteClosingText(ConverterRun& run, Ends ends) {
  run.rtf.Line(R"(\pard)");
  run.rtf.Line(R"(\f4\fs20)");
  std::string text;
  while (!run.Eof() && !ends(run.currentLine)) {
    run.ReadLine();
    if (!ends(run.currentLine)) text += run.currentLine;
  }
  run.rtf.Line(R"(\par\pard\qj )" + RtfEscape(NormalizeBlanks(StripTags(text))) + R"(\par)");
}

}  // namespace

namespace older {
namespace {

bool AtTable(const std::string& line) { return HoldsLowered(line, kSheetTable); }

// One attribute row: four label and value line pairs, then the two lines
// that close this row and open the next. The label loses its colon and is
// filled to nine characters, so the colons line up.
void WriteRow(ConverterRun& run, TableRows& rows) {
  for (int cell = 0; cell < 4; ++cell) {
    run.ReadLine();
    std::string label = TrimBlanksAndControls(HungarianLowerCase(StripTags(run.currentLine)));
    Delete(label, static_cast<int>(label.size()), 1);
    if (label == "varázspont"_cp) label = "varázspt"_cp;
    const bool unfilled = label == "pénz"_cp || label == "jellem" || label == "életkor"_cp;
    const std::string start = (unfilled ? label : PadRight(label, 9)) + ": ";
    run.ReadLine();
    rows.Cell(RtfEscape(start + TrimBlanksAndControls(StripTags(run.currentLine))) + R"(\cell)");
  }
  rows.End();
  run.ReadLine();
  run.ReadLine();
}

void WriteSheet(ConverterRun& run) {
  run.Console("Karakterlap...");
  run.rtf.Line(R"(\par\par {\f5\fs36\qc\keep\keepn KARAKTERLAP{\f5\fs20\par\par}})");
  WriteIntroduction(run, AtTable);

  TableRows rows(run.rtf);
  StartRow(rows, kTopOpener);
  run.ReadLine();
  WriteRow(run, rows);
  for (int row = 2; row <= 5; ++row) {
    StartRow(rows, kMiddleOpener);
    WriteRow(run, rows);
  }

  // A sixth row only when the line ahead starts one; the line is read again
  // either way.
  StartRow(rows, kBottomOpener);
  const std::int64_t mark = run.report.TextFilePos();
  run.ReadLine();
  run.report.TextFileSeek(mark);
  if (run.CurrentHolds(report::kMindPointLabel) || run.CurrentHolds(report::kBloodPointLabel)) {
    WriteRow(run, rows);
  } else {
    for (int cell = 0; cell < 4; ++cell) rows.Cell(R"(\cell)");
    rows.End();
  }

  WriteClosingText(run, AtTable);
}

}  // namespace
}  // namespace older

namespace newer {
namespace {

bool AtTable(const std::string& line) { return Contains(line, kSheetTable); }

// The next row line, without the empty separator cells between the pairs.
std::string ReadRowLine(ConverterRun& run) {
  run.ReadLine();
  return ReplaceAll(kSpacerCell, "", run.currentLine);
}

// Text of a cell started with its label: the value cell is cut from the row
// line, the report's text escaped before the cell end is added, and the whole
// text is cleaned and lowered (which leaves the escapes whole).
std::string FinishCell(std::string& row, std::string cell, std::string_view end) {
  DeleteThrough(row, kTextCell);
  cell = RtfEscape(cell + TextBefore(row, kCellEnd));
  cell += end;
  return HungarianLowerCase(NormalizeBlanks(StripTags(std::move(cell))));
}

// The label (through its colon) and the value of the next pair of the row
// line. A cell that is not the last of its row ends with a line break.
std::string NextCell(std::string& row, bool last) {
  DeleteThrough(row, kTextCell);
  const std::string start = Copy(row, 1, Find(":", row)) + " ";
  return FinishCell(row, start, last ? R"(\cell)" : "\\cell\r\n");
}

// Blanks in front of the first colon, so that it stands in column 10.
void AlignColon(std::string& cell) {
  const int p = Find(":", cell);
  if (p > 0 && p <= 9) Insert(std::string(static_cast<std::size_t>(10 - p), ' '), cell, p);
}

// Rows 2 to 5: colons aligned in the first two cells; a few long labels and
// values are shortened to fit their column.
void WriteRow(ConverterRun& run, TableRows& rows) {
  std::string line = ReadRowLine(run);
  StartRow(rows, kMiddleOpener);

  std::string cell = NextCell(line, false);
  AlignColon(cell);
  rows.Cell(cell);

  cell = NextCell(line, false);
  if (const int p = Find("varázspont:"_cp, cell); p > 0) Delete(cell, p + 7, 2);
  AlignColon(cell);
  rows.Cell(cell);

  cell = NextCell(line, false);
  if (const int p = Find("aggresszió:"_cp, cell); p > 0) Delete(cell, p + 1, 1);
  if (Contains(cell, "jellem:") && Contains(cell, "semleges") && Contains(cell, " (")) {
    const int paren = Find("(", cell);
    if (paren > 1 && cell[static_cast<std::size_t>(paren - 2)] == ' ') Delete(cell, paren - 1, 1);
  }
  rows.Cell(cell);

  cell = NextCell(line, true);
  if (Contains(cell, "tul.") || Contains(cell, "kép."_cp)) {
    if (const int p = Find(". ", cell); p > 0) Delete(cell, p + 1, 1);
  }
  rows.Cell(cell);
  rows.End();
}

// The bottom row: four named pairs, each in its place; a pair whose name is
// missing leaves its cell empty.
void WriteBottomRow(ConverterRun& run, TableRows& rows) {
  std::string line = ReadRowLine(run);
  StartRow(rows, kBottomOpener);
  using report::kDevelopmentLabel, report::kImmortalityLabel, report::kMindPointLabel;
  for (std::string_view name :
       {kMindPointLabel, report::kPsiPointLabel, kImmortalityLabel, kDevelopmentLabel}) {
    DeleteThrough(line, kTextCell);
    if (!Contains(line, name)) {
      DeleteThrough(line, kTextCell);
      rows.Cell(R"(\cell)");
      continue;
    }
    const std::string start = Copy(line, 1, Find(":", line)) + " ";
    const bool efejl = name == kDevelopmentLabel;
    std::string cell = FinishCell(line, start, efejl ? R"( TU\cell)" : "\\cell\r\n");
    if (name == kMindPointLabel) AlignColon(cell);
    if (name == kImmortalityLabel) {
      if (const int p = Find(" %", cell); p > 0) Delete(cell, p, 1);
    }
    if (efejl) cell = ReplaceAll(" tu", " TU", ReplaceAll("efejl", "EFejl", cell));
    rows.Cell(cell);
  }
  rows.End();
}

void WriteSheet(ConverterRun& run) {
  run.Console("Karakterlap...");
  run.rtf.Line(R"({\f5\fs36\qc\keep\keepn KARAKTERLAPOD{\f5\fs20\par\par}})");
  WriteIntroduction(run, AtTable);

  // The first row: colons aligned in the first two cells only.
  std::string line = ReadRowLine(run);
  TableRows rows(run.rtf);
  StartRow(rows, kTopOpener);
  for (int cell = 1; cell <= 4; ++cell) {
    std::string text = NextCell(line, cell == 4);
    if (cell <= 2) AlignColon(text);
    rows.Cell(text);
  }
  rows.End();

  for (int row = 2; row <= 5; ++row) WriteRow(run, rows);
  WriteBottomRow(run, rows);
  WriteClosingText(run, AtTable);
}

}  // namespace
}  // namespace newer

void WriteCharacterSheet(ConverterRun& run) {
  if (run.layout == Layout::kOlder)
    older::WriteSheet(run);
  else
    newer::WriteSheet(run);
}

}  // namespace qv
