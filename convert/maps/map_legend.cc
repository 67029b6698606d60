#include "convert/maps/map_legend.h"

#include "maps/map_legend_entries.h"
#include "rtfkit/rtf_escape.h"
#include "rtfkit/table_rows.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {

void WriteMapLegend(ConverterRun& run, std::string_view endMarker) {
  constexpr std::string_view kEntryRow =
      "\\trowd\r\n\\cellx800\r\n\\cellx10200\r\n\\ql\\keep\\keepn\\widctlpar\\intbl\r\n";
  constexpr std::string_view kTextCell = "\\ql\\keep\\keepn\\widctlpar\\intbl\\qj\r\n";
  RtfWriter& out = run.rtf;
  TableRows rows(out);
  out.Line(R"(\par\par)");
  out.Line(R"(\trowd)");
  CursorLines lines(run);
  const MapLegendEntries legend = ReadMapLegendEntries(lines, endMarker, run.currentLine);
  for (const std::string& line : legend.leading)
    out.Line(RtfEscape(line) + " ");  // before the first place
  for (const MapLegendEntry& entry : legend.entries) {
    rows.Start(kEntryRow, 2);
    rows.Cell(RtfEscape(entry.coordinates) + "\r\n\\cell");
    // The entry's text cell: a place's lines until the next place starts.
    std::string text(kTextCell);
    for (const std::string& line : entry.lines) (text += RtfEscape(line)) += " \r\n";
    rows.Cell(text + R"(\cell)");
  }
  if (legend.entries.empty()) {
    // No place: one empty row under the "\trowd" above.
    rows.Start("\\cellx800\r\n\\cellx10200\r\n", 2);
    rows.Cell(R"(\ql\keep\keepn\widctlpar\intbl\cell)");
    rows.Cell("\\ql\\keep\\keepn\\widctlpar\\intbl\r\n\\cell");
  }
  rows.End();
  out.Line(R"(\pard\par)");
}

}  // namespace qv
