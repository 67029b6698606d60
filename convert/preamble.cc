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
  static const Needle tableEnd(older::kOrderTableEnd);
  std::string text = run.currentLine;
  while (!run.Eof() && !run.CurrentHolds(tableEnd)) {
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
// measure and cut it at different stages of its cleaning. Appends it to
// `line` and returns the order text: `stripped` (StripTags(rest)) with its
// blanks normalised.
std::string AppendConsoleOrderText(Layout layout, const std::string& rest, std::string stripped,
                                   std::string& line) {
  if (layout == Layout::kOlder) {
    std::string orderText = NormalizeBlanks(stripped);
    if (orderText.size() >= 46) {
      stripped.resize(std::min<std::size_t>(stripped.size(), 45));  // Copy(stripped, 1, 45)
      line.append(NormalizeBlanks(std::move(stripped)));
    } else {
      line.append(orderText);
    }
    return orderText;
  }
  std::string orderText = NormalizeBlanks(std::move(stripped));
  if (rest.size() >= 46)
    line.append(NormalizeBlanks(StripTags(Copy(rest, 1, 45))));
  else
    line.append(orderText);
  return orderText;
}

void ConvertOrderRow(ConverterRun& run) {
  run.FlushNarrative();
  OrderRow row = run.layout == Layout::kOlder ? ReadOlderOrderRow(run) : ReadNewerOrderRow(run);
  run.commandLabel = row.name;

  // An order marked "*" continues the one before it, except the first
  // development entry "* 1. BP:".
  if (!Contains(row.name, "*") || Contains(row.name, "* 1. BP:")) run.rtf.Write("\r\n\\par \r\n");

  // The older layout measures the stripped text alone; the newer one the
  // text with its tags still in.
  std::string stripped =
      run.layout == Layout::kOlder ? StripTags(std::move(row.rest)) : StripTags(row.rest);
  std::string& line = run.scratch;
  line.assign("Parancs: ");
  line.append(row.name).append(row.name.size() < 20 ? 20 - row.name.size() : 0, ' ').append(" ");
  const std::string orderText =
      AppendConsoleOrderText(run.layout, row.rest, std::move(stripped), line);
  run.Console(line);

  // The order's name and text, each kept with the next paragraph.
  constexpr std::string_view kKeptBold = "\\keep\\keepn\\widctlpar\\intbl\r\n{\\fs20\\f4\\b ";
  TableRows rows(run.rtf);
  rows.Start("\\par\\trowd\r\n\\cellx2000\r\n\\cellx10200\r\n", 2);
  const std::string& name = row.name;
  for (const std::string* text : {&name, &orderText}) {
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
  // Each line is looked at for every marker: each is made ready once.
  static const Needle encyclopedia(report::kEncyclopediaTitle), sheet(report::kSheetTitle),
      contacts(report::kContactsTitle);
  const Needle orderTable(Markers(run.layout).orderTable);

  while (!run.Eof() && !run.CurrentHolds(encyclopedia) && !run.CurrentHolds(sheet)) {
    if (run.CurrentHolds(orderTable)) {
      ConvertOrderRow(run);
    } else if (AtJourneyMap(run)) {
      WriteJourneyMapSection(run);
    } else if (run.CurrentHolds(contacts)) {
      ConvertContactList(run);
    } else {
      AppendCollapsed(run.narrative, run.currentLine, " ");
    }
    run.ReadLine();
  }
  run.FlushNarrative();
}

}  // namespace qv
