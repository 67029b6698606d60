// The legend under a map: the report lines after the applet, up to the
// legend's end marker, read into its places. Each place starts on a line
// that begins with a coordinate pair "(x,y) "; the lines after it without
// one continue it. The document's legend table and the atlas read it
// through the same reader.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "maps/applet_map.h"
#include "text/turn_report.h"

namespace qv {

struct MapLegendEntry {
  // The entry's line up to and including its first ") " (only the "(" when
  // the line has no ") ").
  std::string coordinates;
  // The rest of that line (maybe empty), then each continuation line.
  std::vector<std::string> lines;
};

struct MapLegendEntries {
  std::vector<std::string> leading;  // lines before the first entry
  std::vector<MapLegendEntry> entries;
};

// True when the line starts with "(" and holds a "," before its first ")".
bool StartsWithCoordinates(const std::string& line);

// Reads lines until the last line read (at first `currentLine`) holds
// `endMarker` or the lines end. Each line read is made NormalizeBlanks; an
// empty one or one holding the end marker is passed over, any other is
// stripped of its tags (StripTags) and either opens an entry
// (StartsWithCoordinates) or continues the open one.
MapLegendEntries ReadMapLegendEntries(LineSource& lines, std::string_view endMarker,
                                      std::string_view currentLine);

// The legend's end marker in the layout.
std::string_view MapLegendEnd(Layout layout);

}  // namespace qv
