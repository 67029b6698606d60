// Drawing a map picture: the grid of terrain tiles with arrows and icons,
// and the row and column numbers around it. A set bit is white.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "graphics/label_font.h"
#include "graphics/mono_bitmap.h"
#include "maps/cell_pictures.h"
#include "maps/map_params.h"
#include "maps/picture_set.h"

namespace qv {

// The grid's pitch, its top-left corner and the margins around it.
inline constexpr int kTilePitch = 200;
inline constexpr int kGridLeft = 68;
inline constexpr int kGridTop = 64;
inline constexpr int kExtraWidth = 71;   // label strip left, 3 pixels right
inline constexpr int kExtraHeight = 67;  // label strip on top, 3 pixels below

// The most tiles a map has each way. The reports' maps show a few tiles
// around the character (3 x 3, 4 x 3); a hundred each way still draws in a
// second, as a picture of 20071 x 20067 pixels (48 MB of picture data).
inline constexpr int kMaxMapTiles = 100;

// The most picture data of maps one document carries: a map of the largest
// size and some small ones, but not eight large ones.
inline constexpr std::int64_t kMaxDocumentPictureBytes = std::int64_t{64} << 20;

// Throws qv::Error (error_kind::kMap, naming reportName when it is not empty)
// unless the frame has 0 to kMaxMapTiles columns and rows.
void CheckMapFrame(const MapFrame& frame, const std::string& reportName);

// The picture data of the frame's map picture: its padded pixel rows.
std::int64_t MapPictureBytes(const MapFrame& frame);

// Throws qv::Error (error_kind::kPicture) when the frame's picture would take the
// picture data of one document (or page) past kMaxDocumentPictureBytes,
// `usedBytes` being what its earlier maps took.
void CheckPictureBudget(std::int64_t usedBytes, const MapFrame& frame,
                        const std::string& reportName);

// An all-white picture of 200 * columns + 71 by 200 * rows + 67 pixels;
// throws like CheckMapFrame.
MonoBitmap NewMapBitmap(const MapFrame& frame);

// The column numbers above the grid and the row numbers left of it.
void DrawMapLabels(MonoBitmap& map, const MapFrame& frame, const LabelFont& font);

// Where the icons of a mask go, the mask taken apart from the highest value
// down: for each value, its icon cell (-1: the value has no icon) and the
// icon's top-left corner in the 200-pixel cell. Icons that share a place are
// drawn in this order, so the later one shows.
struct IconPlace {
  int value;
  int cell;
  int x;
  int y;
};
std::span<const IconPlace> IconPlaces();

// The cell's tile, its arrow and its icons.
void DrawMapCell(MonoBitmap& map, const MapCell& cell, const MapPictures& pictures);
// The same pixels from the pictures made ready for the grid, for a map of
// many cells or many maps.
void DrawMapCell(MonoBitmap& map, const MapCell& cell, CellPictures& pictures);

}  // namespace qv
