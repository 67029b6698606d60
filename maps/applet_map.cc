#include "maps/applet_map.h"

#include "maps/map_drawing.h"
#include "maps/map_params.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {

bool AppletReader::FindFrame() {
  while (!lines_.AtEnd()) {
    const std::string& line = lines_.Next();
    if (layout_ == Layout::kOlder) {
      if (!HoldsLowered(line, applet::kFrameParam)) continue;
      // The older layout has the whole applet on this line: two pieces
      // before the frame parameter, which is also where the cells start.
      pieces_ = SplitAppletLine(line);
      frame_ = pieces_.size() > 2 ? pieces_[2] : std::string();
    } else {
      if (!Contains(line, applet::kFrameParam)) continue;
      frame_ = line;
      lastLine_ = &line;
    }
    return true;
  }
  return false;
}

const std::string* AppletReader::NextCell() {
  if (layout_ == Layout::kOlder) {
    while (!cellsDone_ && nextPiece_ < pieces_.size()) {
      const std::string& piece = pieces_[nextPiece_++];
      const std::string lower = AsciiLowerCase(piece);
      if (Contains(lower, applet::kAppletEnd)) cellsDone_ = true;
      if (Contains(lower, applet::kCellParam)) return &piece;
    }
    return nullptr;
  }
  // A line holding the table's end, the frame's own line too, is the last
  // one looked at.
  while (!cellsDone_ && lastLine_ != nullptr && !lines_.AtEnd() &&
         !HoldsLowered(*lastLine_, applet::kCellsEnd)) {
    lastLine_ = &lines_.Next();
    if (Contains(*lastLine_, applet::kCellParam)) return lastLine_;
  }
  cellsDone_ = true;
  return nullptr;
}

std::optional<AppletParams> ReadAppletParams(const std::vector<std::string>& lines, Layout layout) {
  ListedLines source(lines);
  AppletReader applet(source, layout);
  if (!applet.FindFrame()) return std::nullopt;
  AppletParams params{applet.frame(), {}};
  while (const std::string* cell = applet.NextCell()) params.cells.push_back(*cell);
  return params;
}

MonoBitmap DrawAppletMap(AppletReader& applet, MapResources& resources,
                         const std::string& programDir, const std::string& reportName,
                         std::int64_t usedBytes) {
  const MapFrame frame = ParseMapFrame(applet.frame());
  CheckMapFrame(frame, reportName);
  CheckPictureBudget(usedBytes, frame, reportName);
  CellPictures& pictures = resources.Cells(programDir);
  MonoBitmap map = NewMapBitmap(frame);
  DrawMapLabels(map, frame, resources.Font());
  while (const std::string* cell = applet.NextCell())
    DrawMapCell(map, ParseMapCell(*cell), pictures);
  return map;
}

}  // namespace qv
