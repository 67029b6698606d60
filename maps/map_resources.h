// What every map is drawn with: the sixteen pictures and the label font.
// Loading them costs more than drawing a small map, so they are loaded at
// the first map and kept for the others, also across the reports of a batch.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "graphics/label_font.h"
#include "maps/cell_pictures.h"
#include "maps/picture_set.h"

namespace qv {

class MapResources {
 public:
  // The pictures are looked for with find (the tool's FindPicture; beside
  // the executable without one); the font's search is noted in fontNote
  // (OpenMapLabelFont), when one is given.
  explicit MapResources(PictureFinder find = PictureBesideProgram, std::string fontNote = {})
      : find_(std::move(find)), fontNote_(std::move(fontNote)) {}
  // The pictures from picture/ (LoadMapPictures); a load that fails throws
  // and is tried again at the next map.
  const MapPictures& Pictures(const std::string& programDir);
  // The same pictures made ready for the grid, kept with them.
  CellPictures& Cells(const std::string& programDir);
  // The label font; a font that cannot be opened throws, as above.
  const LabelFont& Font();
  // Begins looking for the label font beside the caller's work
  // (OpenMapLabelFontAhead), for a run about to draw maps; nothing when the
  // font is open or being looked for.
  void LookForFontAhead();

 private:
  PictureFinder find_;
  std::string fontNote_;
  std::optional<CellPictures> cells_;
  std::function<std::unique_ptr<LabelFont>()> fontAhead_;  // until the first map takes it
  std::unique_ptr<LabelFont> font_;
};

}  // namespace qv
