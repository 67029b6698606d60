#include "graphics/applet_map.h"

#include "graphics/map_drawing.h"
#include "text/line_cuts.h"
#include "text/text.h"

namespace qv {
namespace {

constexpr std::string_view kFrameParam = "<param name=koord";
constexpr std::string_view kCellParam = "<param name=p";
constexpr std::string_view kCellsEnd = "</table></center>";

AppletParams FromAppletLine(const std::string& line) {
  const std::vector<std::string> pieces = SplitAppletLine(line);
  AppletParams params;
  if (pieces.size() > 2) params.frame = pieces[2];
  for (std::size_t i = 2; i < pieces.size(); ++i) {
    const std::string lower = AsciiLowerCase(pieces[i]);
    if (Contains(lower, kCellParam)) params.cells.push_back(pieces[i]);
    if (Contains(lower, "</applet>")) break;
  }
  return params;
}

}  // namespace

std::optional<AppletParams> ReadAppletParams(const std::vector<std::string>& lines,
                                             Layout layout) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (layout == Layout::kOlder) {
      if (HoldsLowered(lines[i], kFrameParam)) return FromAppletLine(lines[i]);
      continue;
    }
    if (!Contains(lines[i], kFrameParam)) continue;
    // As the converter reads on: a line holding "</table></center>" is the
    // last one looked at.
    AppletParams params{lines[i], {}};
    for (std::size_t j = i; j + 1 < lines.size() && !HoldsLowered(lines[j], kCellsEnd);) {
      ++j;
      if (Contains(lines[j], kCellParam)) params.cells.push_back(lines[j]);
    }
    return params;
  }
  return std::nullopt;
}

MonoBitmap DrawAppletMap(const MapFrame& frame, const std::vector<std::string>& cells,
                         const MapPictures& pictures, const LabelFont& font) {
  MonoBitmap map = NewMapBitmap(frame);
  DrawMapLabels(map, frame, font);
  for (const std::string& cell : cells) DrawMapCell(map, ParseMapCell(cell), pictures);
  return map;
}

}  // namespace qv
