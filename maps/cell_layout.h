// Where a map cell's pictures go, for the drawing's own files: its terrain
// tile at the cell's corner, its arrow in the centre and its icons at four
// places, the arrows and icons taken from their strips and stretched onto
// their squares.
#pragma once

#include "graphics/bitmap_copy.h"
#include "maps/map_drawing.h"

namespace qv {

// Arrow cells are 48 pixels apart in their strip and copied from 47 x 47
// pixels onto a 48 x 48 square, its corner at (77, 77) of the cell (145 - 68,
// 141 - 64).
inline constexpr int kArrowPitch = 48;
inline constexpr int kArrowSource = 47;
inline constexpr int kArrowSquare = 48;
inline constexpr int kArrowOffsetX = 77;
inline constexpr int kArrowOffsetY = 77;
// Icon cells are 56 apart and copied from 55 x 56 pixels onto a 56 x 56
// square at their place.
inline constexpr int kIconPitch = 56;
inline constexpr int kIconSourceWidth = 55;
inline constexpr int kIconSquare = 56;

// Arrow 1 to 9's pixels in the arrow strip.
constexpr PixelRect ArrowSource(int arrow) {
  const int64_t sx = int64_t{kArrowPitch} * (arrow - 1);
  return {sx, 0, sx + kArrowSource, kArrowSource};
}

// Icon cell 0 to 7's pixels in the icon strip.
constexpr PixelRect IconSource(int iconCell) {
  const int64_t sx = int64_t{kIconPitch} * iconCell;
  return {sx, 0, sx + kIconSourceWidth, kIconPitch};
}

// The icons' places (IconPlaces()).
inline constexpr IconPlace kIconPlaces[] = {
    {1024, 7, 126, 126}, {512, -1, 0, 0}, {256, -1, 0, 0}, {128, 6, 126, 126},
    {64, 5, 126, 126},   {32, -1, 0, 0},  {16, 4, 20, 20}, {8, 3, 126, 20},
    {4, 2, 126, 20},     {2, 1, 20, 126}, {1, 0, 20, 20},
};

// Calls draw(place) for each icon of the mask, in drawing order; a mask
// below 1 has none.
template <typename Draw>
void ForEachIcon(int mask, Draw draw) {
  if (mask < 1) return;
  for (const IconPlace& place : kIconPlaces) {
    if (mask < place.value) continue;
    mask -= place.value;
    if (place.cell >= 0) draw(place);
  }
}

}  // namespace qv
