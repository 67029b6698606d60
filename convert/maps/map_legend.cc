#include "convert/maps/map_legend.h"

#include "rtfkit/rtf_escape.h"
#include "rtfkit/table_rows.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

// "(" first, and a "," before the first ")".
bool StartsWithCoordinates(const std::string& line) {
  if (line.empty() || line[0] != '(') return false;
  const int comma = Find(",", line);
  const int close = Find(")", line);
  return comma != 0 && close != 0 && comma < close;
}

}  // namespace

std::string_view MapLegendEnd(Layout layout) {
  return layout == Layout::kOlder ? older::kMapLegendEnd : newer::kMapLegendEnd;
}

void WriteMapLegend(ConverterRun& run, std::string_view endMarker) {
  constexpr std::string_view kEntryRow =
      "\\trowd\r\n\\cellx800\r\n\\cellx10200\r\n\\ql\\keep\\keepn\\widctlpar\\intbl\r\n";
  constexpr std::string_view kTextCell = "\\ql\\keep\\keepn\\widctlpar\\intbl\\qj\r\n";
  RtfWriter& out = run.rtf;
  TableRows rows(out);
  out.Line(R"(\par\par)");
  out.Line(R"(\trowd)");
  // The open entry's text cell: a place's lines until the next place starts.
  std::string text;
  bool entryOpen = false;
  while (!run.Eof() && !run.CurrentHolds(endMarker)) {
    run.ReadLine();
    std::string line = NormalizeBlanks(run.currentLine);
    if (line.empty() || Contains(line, endMarker)) continue;
    line = StripTags(line);
    if (StartsWithCoordinates(line)) {
      if (entryOpen) rows.Cell(text + R"(\cell)");
      entryOpen = true;
      rows.Start(kEntryRow, 2);
      // The pair with its blank; without ") " this is the first character.
      const int end = Find(") ", line) + 1;
      rows.Cell(RtfEscape(Copy(line, 1, end)) + "\r\n\\cell");
      Delete(line, 1, end);
      text = kTextCell;
    }
    if (entryOpen) {
      (text += RtfEscape(line)) += " \r\n";
    } else {
      out.Line(RtfEscape(line) + " ");  // text before the first place
    }
  }
  if (entryOpen) {
    rows.Cell(text + R"(\cell)");
  } else {
    // No place: one empty row under the "\trowd" above.
    rows.Start("\\cellx800\r\n\\cellx10200\r\n", 2);
    rows.Cell(R"(\ql\keep\keepn\widctlpar\intbl\cell)");
    rows.Cell("\\ql\\keep\\keepn\\widctlpar\\intbl\r\n\\cell");
  }
  rows.End();
  out.Line(R"(\pard\par)");
}

}  // namespace qv
