#include "maps/map_resources.h"

#include <utility>

namespace qv {

const MapPictures& MapResources::Pictures(const std::string& programDir) {
  return Cells(programDir).pictures();
}

CellPictures& MapResources::Cells(const std::string& programDir) {
  if (!cells_) cells_.emplace(LoadMapPictures(programDir, find_));
  return *cells_;
}

const LabelFont& MapResources::Font() {
  if (!font_) {
    // The search begun ahead serves the first map; after a failure the
    // next map looks again.
    auto ahead = std::exchange(fontAhead_, nullptr);
    font_ = ahead ? ahead() : OpenMapLabelFont(fontNote_);
  }
  return *font_;
}

void MapResources::LookForFontAhead() {
  if (!font_ && !fontAhead_) fontAhead_ = OpenMapLabelFontAhead(fontNote_);
}

}  // namespace qv
