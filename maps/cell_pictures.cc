#include "maps/cell_pictures.h"

#include "graphics/bitmap_copy.h"
#include "maps/cell_layout.h"

namespace qv {
namespace {

// Every cell's corner has the same bit position within a byte: the grid's.
static_assert(kTilePitch % 8 == 0);

int PhaseAt(int cellX) { return (kGridLeft + cellX) % 8; }

// The pixels `from` of a strip stretched onto a square of `side` pixels, as
// CopyStretched puts it on the map.
MonoBitmap Stretched(const MonoBitmap& strip, const PixelRect& from, int side) {
  MonoBitmap square(side, side);
  CopyStretched(square, {0, 0, side, side}, strip, from);
  return square;
}

}  // namespace

const AlignedPicture* CellPictures::Terrain(int t) {
  const MonoBitmap* tile = pictures_.Terrain(t);
  if (tile == nullptr) return nullptr;
  std::optional<AlignedPicture>& kept = terrain_[static_cast<std::size_t>(t - 1)];
  if (!kept) kept.emplace(*tile, PhaseAt(0));
  return &*kept;
}

const AlignedPicture& CellPictures::Arrow(int arrow) {
  std::optional<AlignedPicture>& kept = arrows_.at(static_cast<std::size_t>(arrow - 1));
  if (!kept)
    kept.emplace(Stretched(pictures_.arrows, ArrowSource(arrow), kArrowSquare),
                 PhaseAt(kArrowOffsetX));
  return *kept;
}

const AlignedPicture& CellPictures::Icon(int iconCell) {
  std::optional<AlignedPicture>& kept = icons_.at(static_cast<std::size_t>(iconCell));
  if (!kept) {
    int x = 0;
    for (const IconPlace& place : kIconPlaces)
      if (place.cell == iconCell) x = place.x;
    kept.emplace(Stretched(pictures_.icons, IconSource(iconCell), kIconSquare), PhaseAt(x));
  }
  return *kept;
}

}  // namespace qv
