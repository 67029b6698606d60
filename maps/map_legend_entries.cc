#include "maps/map_legend_entries.h"

#include "text/report_markers.h"
#include "text/text.h"

namespace qv {

bool StartsWithCoordinates(const std::string& line) {
  if (line.empty() || line[0] != '(') return false;
  const int comma = Find(",", line);
  const int close = Find(")", line);
  return comma != 0 && close != 0 && comma < close;
}

MapLegendEntries ReadMapLegendEntries(LineSource& lines, std::string_view endMarker,
                                      std::string_view currentLine) {
  MapLegendEntries legend;
  bool ended = Contains(currentLine, endMarker);
  while (!lines.AtEnd() && !ended) {
    const std::string& read = lines.Next();
    ended = Contains(read, endMarker);
    std::string line = NormalizeBlanks(read);
    if (line.empty() || Contains(line, endMarker)) continue;
    line = StripTags(line);
    if (StartsWithCoordinates(line)) {
      // The pair with its blank; without ") " this is the first character.
      const int end = Find(") ", line) + 1;
      legend.entries.push_back({Copy(line, 1, end), {}});
      Delete(line, 1, end);
    }
    if (legend.entries.empty())
      legend.leading.push_back(std::move(line));
    else
      legend.entries.back().lines.push_back(std::move(line));
  }
  return legend;
}

std::string_view MapLegendEnd(Layout layout) {
  return layout == Layout::kOlder ? older::kMapLegendEnd : newer::kMapLegendEnd;
}

}  // namespace qv
