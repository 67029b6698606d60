// A map cell's pictures made ready for drawing many maps: each terrain tile,
// arrow and icon as a cell shows it (the arrows and icons already stretched
// onto their squares), aligned to the bit position of its place in the
// grid. Each is made at its first use and kept.
#pragma once

#include <array>
#include <optional>

#include "graphics/aligned_picture.h"
#include "maps/picture_set.h"

namespace qv {

class CellPictures {
 public:
  explicit CellPictures(MapPictures pictures) : pictures_(std::move(pictures)) {}

  const MapPictures& pictures() const { return pictures_; }

  // Terrain t (1 to kTerrainCount) for a cell's corner; nullptr for another
  // number.
  const AlignedPicture* Terrain(int t);
  // Arrow 1 to 9 on its square.
  const AlignedPicture& Arrow(int arrow);
  // Icon cell 0 to 7 on its square at its place.
  const AlignedPicture& Icon(int iconCell);

 private:
  MapPictures pictures_;
  std::array<std::optional<AlignedPicture>, kTerrainCount> terrain_;
  std::array<std::optional<AlignedPicture>, 9> arrows_;
  std::array<std::optional<AlignedPicture>, 8> icons_;
};

}  // namespace qv
