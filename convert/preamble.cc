#include "convert/preamble.h"

#include <algorithm>

#include "convert/maps/map_section.h"
#include "rtfkit/rtf_escape.h"
#include "rtfkit/table_rows.h"
#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

struct OrderRow {
  std::string name;
  std::string rest;  // the order's text cell, still with its tags
};

// Two readers: the older layout's table spans lines up to its end, the
// newer one's stands on one line and is cut differently.

// Older layout: the table may span lines up to "</TABLE>".
OrderRow ReadOlderOrderRow(ConverterRun& run) {
  std::string text = run.currentLine;
  while (!run.Eof() && !run.CurrentHolds(older::kOrderTableEnd)) {
    run.ReadLine();
    text.append(" ").append(run.currentLine);
  }
  DeleteThrough(text, older::kOrderNameCell);
  OrderRow row;
  row.name = Copy(text, 1, Find(older::kOrderCellEnd, text) - 1);
  text.erase(0, std::min(text.find_first_not_of(' '), text.size()));  // leading blanks
  Delete(text, 1, static_cast<int>(row.name.size()));
  row.rest = std::move(text);
  return row;
}

// Newer layout: the whole table stands on one line.
OrderRow ReadNewerOrderRow(ConverterRun& run) {
  std::string text = run.currentLine;
  DeleteThrough(text, newer::kOrderTable);
  OrderRow row;
  row.name = Copy(text, 1, Find(newer::kCellEnd, text) - 1);
  // The text cell starts one character after its opening tag.
  DeleteThrough(text, newer::kOrderTextCell, 1);
  row.rest = TrimLeadingBlanks(text);
  return row;
}

// The console shows at most 45 characters of the order text; the layouts
// measure and cut it at different stages of its cleaning.
// `stripped` is StripTags(rest), `orderText` its blanks normalised.
std::string ConsoleOrderText(Layout layout, const std::string& rest, const std::string& stripped,
                             const std::string& orderText) {
  if (layout == Layout::kOlder)
    return orderText.size() >= 46 ? NormalizeBlanks(Copy(stripped, 1, 45)) : orderText;
  return rest.size() >= 46 ? NormalizeBlanks(StripTags(Copy(rest, 1, 45))) : orderText;
}

void ConvertOrderRow(ConverterRun& run) {
  run.FlushNarrative();
  const OrderRow row =
      run.layout == Layout::kOlder ? ReadOlderOrderRow(run) : ReadNewerOrderRow(run);
  run.commandLabel = row.name;

  // An order marked "*" continues the one before it, except the first
  // development entry "* 1. BP:".
  if (!Contains(row.name, "*") || Contains(row.name, "* 1. BP:")) run.rtf.Write("\r\n\\par \r\n");

  const std::string stripped = StripTags(row.rest);
  const std::string orderText = NormalizeBlanks(stripped);
  std::string line = "Parancs: ";
  line.append(row.name).append(row.name.size() < 20 ? 20 - row.name.size() : 0, ' ').append(" ");
  line.append(ConsoleOrderText(run.layout, row.rest, stripped, orderText));
  run.Console(line);

  // The order's name and text, each kept with the next paragraph.
  constexpr std::string_view kKeptBold = "\\keep\\keepn\\widctlpar\\intbl\r\n{\\fs20\\f4\\b ";
  TableRows rows(run.rtf);
  rows.Start("\\par\\trowd\r\n\\cellx2000\r\n\\cellx10200\r\n", 2);
  for (const std::string* text : {&row.name, &orderText}) {
    line.assign(kKeptBold);
    AppendRtfEscaped(line, *text);
    line.append("}\\cell");
    rows.Cell(line);
  }
  rows.End();
  run.rtf.Line(R"(\pard)");
}

const std::string kContactHeading = std::string("********** ") + std::string("Nekik írhatsz: "_cp) +
                                    std::string(79, '*') + R"(\par\ql)";

// The characters the player may write to, one paragraph for the list: the
// older layout runs the list to a paragraph, the newer one gives each entry
// a row and a paragraph of its own, so the steps differ by layout.
void ConvertContactList(ConverterRun& run) {
  run.contactListWritten = true;
  run.Console("Nekik irhatsz lista...");
  run.FlushNarrative();
  run.ReadLine();

  std::string list;
  if (run.layout == Layout::kOlder) {
    list = NormalizeBlanks(run.currentLine);
    while (!run.Eof() && !run.CurrentHolds(older::kParagraph)) {
      run.ReadLine();
      if (!run.currentLine.empty()) list.append(" ").append(NormalizeBlanks(run.currentLine));
    }
    run.rtf.Write("\\par\\par\r\n");
    run.rtf.Line(kContactHeading);
    run.rtf.Line(RtfEscape(NormalizeBlanks(StripTags(list))) + R"(\par)");
    run.rtf.Line(std::string(102, '*'));
  } else {
    std::string first = run.currentLine;
    DeleteThrough(first, newer::kContactRow);
    list = NormalizeBlanks(first);
    while (!run.Eof() && !run.CurrentHolds(newer::kContactListEnd)) {
      run.ReadLine();
      list.append(" ").append(NormalizeBlanks(run.currentLine));
    }
    // Each entry its own paragraph: the report's text is escaped before the
    // paragraph marks go in.
    list = ReplaceAll(newer::kContactRow, "\\par\r\n", RtfEscape(list));
    run.rtf.Write("\\par\r\n");
    run.rtf.Line(kContactHeading);
    run.rtf.Line(NormalizeBlanks(StripTags(list)) + R"(\par)");
    run.rtf.Line(std::string(102, '*') + R"(\par)");
  }
}

}  // namespace

void ConvertPreamble(ConverterRun& run) {
  run.contactListWritten = false;
  run.commandLabel.clear();
  const std::string_view orderTable = Markers(run.layout).orderTable;

  while (!run.Eof() && !run.CurrentHolds(report::kEncyclopediaTitle) &&
         !run.CurrentHolds(report::kSheetTitle)) {
    if (run.CurrentHolds(orderTable)) {
      ConvertOrderRow(run);
    } else if (AtJourneyMap(run)) {
      WriteJourneyMapSection(run);
    } else if (run.CurrentHolds(report::kContactsTitle)) {
      ConvertContactList(run);
    } else {
      AppendCollapsed(run.narrative, run.currentLine, " ");
    }
    run.ReadLine();
  }
  run.FlushNarrative();
}

}  // namespace qv
