// Drawing a map picture: the grid of terrain tiles with arrows and icons,
// and the row and column numbers around it. A set bit is white.
#pragma once

#include <cstdint>

#include "convert/maps/label_font.h"
#include "convert/maps/map_params.h"
#include "convert/maps/picture_set.h"
#include "rtfkit/metafile.h"

namespace qv {

// The grid's pitch, its top-left corner and the margins around it.
inline constexpr int kTilePitch = 200;
inline constexpr int kGridLeft = 68;
inline constexpr int kGridTop = 64;
inline constexpr int kExtraWidth = 71;   // label strip left, 3 pixels right
inline constexpr int kExtraHeight = 67;  // label strip on top, 3 pixels below

// A rectangle, right and bottom exclusive.
struct PixelRect {
  int64_t left = 0;
  int64_t top = 0;
  int64_t right = 0;
  int64_t bottom = 0;
};

// An all-white picture of 200 * columns + 71 by 200 * rows + 67 pixels;
// throws qv::Error when that size is not a picture.
MonoBitmap NewMapBitmap(const MapFrame& frame);

// The column numbers above the grid and the row numbers left of it.
void DrawMapLabels(MonoBitmap& map, const MapFrame& frame, const LabelFont& font);

// The cell's tile, its arrow and its icons.
void DrawMapCell(MonoBitmap& map, const MapCell& cell, const MapPictures& pictures);

// Copies all of `source` with its top-left corner at (x, y).
void CopyUnscaled(MonoBitmap& target, int64_t x, int64_t y, const MonoBitmap& source);

// Copies the source rectangle onto the target rectangle, each target pixel
// taking the source pixel at the same relative position (nearest below);
// source pixels outside the source picture read as white.
void CopyStretched(MonoBitmap& target, const PixelRect& to, const MonoBitmap& source,
                   const PixelRect& from);

}  // namespace qv
