#include "convert/maps/map_legend.h"

#include "rtfkit/rtf_escape.h"
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
  return layout == Layout::kRtf ? "<P>" : "<! end of map>";
}

void WriteMapLegend(ConverterRun& run, std::string_view endMarker) {
  RtfWriter& out = run.rtf;
  out.Line(R"(\par\par)");
  out.Line(R"(\trowd)");
  bool entryOpen = false;
  while (!run.Eof() && !run.CurrentHolds(endMarker)) {
    run.ReadLine();
    std::string line = NormalizeBlanks(run.currentLine);
    if (line.empty() || Contains(line, endMarker)) continue;
    line = StripTags(line);
    if (StartsWithCoordinates(line)) {
      if (entryOpen) {
        out.Line(R"(\cell)");
        out.Line(R"(\row)");
      }
      entryOpen = true;
      out.Line(R"(\trowd)");
      out.Line(R"(\cellx800)");
      out.Line(R"(\cellx10200)");
      out.Line(R"(\ql\keep\keepn\widctlpar\intbl)");
      // The pair with its blank; without ") " this is the first character.
      const int end = Find(") ", line) + 1;
      out.Line(RtfEscape(Copy(line, 1, end)));
      Delete(line, 1, end);
      out.Line(R"(\cell)");
      out.Line(R"(\ql\keep\keepn\widctlpar\intbl\qj)");
    }
    out.Line(RtfEscape(line) + " ");
  }
  if (!entryOpen) {
    out.Line(R"(\cellx800)");
    out.Line(R"(\cellx10200)");
    out.Line(R"(\ql\keep\keepn\widctlpar\intbl\cell)");
    out.Line(R"(\ql\keep\keepn\widctlpar\intbl)");
  }
  out.Line(R"(\cell)");
  out.Line(R"(\row)");
  out.Line(R"(\pard\par)");
}

}  // namespace qv
