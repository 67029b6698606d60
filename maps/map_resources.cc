#include "maps/map_resources.h"

namespace qv {

const MapPictures& MapResources::Pictures(const std::string& programDir) {
  if (!pictures_) pictures_ = LoadMapPictures(programDir, find_);
  return *pictures_;
}

const LabelFont& MapResources::Font() {
  if (!font_) font_ = OpenMapLabelFont();
  return *font_;
}

}  // namespace qv
