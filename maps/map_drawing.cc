#include "maps/map_drawing.h"

#include <string>

#include "graphics/bitmap_copy.h"
#include "maps/cell_layout.h"
#include "platform/error.h"

namespace qv {

std::span<const IconPlace> IconPlaces() { return kIconPlaces; }

void CheckMapFrame(const MapFrame& frame, const std::string& reportName) {
  if (frame.columns >= 0 && frame.rows >= 0 && frame.columns <= kMaxMapTiles &&
      frame.rows <= kMaxMapTiles)
    return;
  const std::string map = reportName.empty() ? "a terkep" : "'" + reportName + "' terkepe";
  throw Error(error_kind::kMap, map + " " + std::to_string(frame.columns) + " x " +
                                    std::to_string(frame.rows) +
                                    " mezos; egy terkep mindket iranyban 0-" +
                                    std::to_string(kMaxMapTiles) + " mezos lehet");
}

std::int64_t MapPictureBytes(const MapFrame& frame) {
  const int64_t width = int64_t{kTilePitch} * frame.columns + kExtraWidth;
  const int64_t height = int64_t{kTilePitch} * frame.rows + kExtraHeight;
  return (width + 31) / 32 * 4 * height;
}

void CheckPictureBudget(std::int64_t usedBytes, const MapFrame& frame,
                        const std::string& reportName) {
  if (usedBytes + MapPictureBytes(frame) <= kMaxDocumentPictureBytes) return;
  throw Error(error_kind::kPicture,
              "'" + reportName + "' terkepei tobb mint " +
                  std::to_string(kMaxDocumentPictureBytes >> 20) + " MB kepadatot foglalnanak; a " +
                  std::to_string(frame.columns) + " x " + std::to_string(frame.rows) +
                  " mezos terkep mar nem fer bele");
}

MonoBitmap NewMapBitmap(const MapFrame& frame) {
  CheckMapFrame(frame, "");
  // White up to the last pixel of each row; the padding bits stay clear.
  return MonoBitmap::AllOnes(kTilePitch * frame.columns + kExtraWidth,
                             kTilePitch * frame.rows + kExtraHeight);
}

void DrawMapLabels(MonoBitmap& map, const MapFrame& frame, const LabelFont& font) {
  for (int i = 0; i < frame.columns; ++i) {
    const std::string text = std::to_string(int64_t{frame.firstColumn} + i);
    const TextExtent e = LabelExtent(font, text);
    DrawLabel(map, font, kGridLeft + kTilePitch * i + (203 - e.width) / 2, kGridTop - e.height,
              text);
  }
  for (int j = 0; j < frame.rows; ++j) {
    const std::string text = std::to_string(int64_t{frame.firstRow} + j);
    const TextExtent e = LabelExtent(font, text);
    DrawLabel(map, font, 60 - e.width, kGridTop + kTilePitch * j + (203 - e.height) / 2, text);
  }
}

void DrawMapCell(MonoBitmap& map, const MapCell& cell, const MapPictures& pictures) {
  const int64_t left = kGridLeft + int64_t{kTilePitch} * cell.column;
  const int64_t top = kGridTop + int64_t{kTilePitch} * cell.row;
  if (const MonoBitmap* tile = pictures.Terrain(cell.terrain)) CopyUnscaled(map, left, top, *tile);
  if (cell.arrow >= 1 && cell.arrow <= 9) {
    const int64_t dx = left + kArrowOffsetX, dy = top + kArrowOffsetY;
    CopyStretched(map, {dx, dy, dx + kArrowSquare, dy + kArrowSquare}, pictures.arrows,
                  ArrowSource(cell.arrow));
  }
  ForEachIcon(cell.icons, [&](const IconPlace& place) {
    const int64_t dx = left + place.x, dy = top + place.y;
    CopyStretched(map, {dx, dy, dx + kIconSquare, dy + kIconSquare}, pictures.icons,
                  IconSource(place.cell));
  });
}

void DrawMapCell(MonoBitmap& map, const MapCell& cell, CellPictures& pictures) {
  const int64_t left = kGridLeft + int64_t{kTilePitch} * cell.column;
  const int64_t top = kGridTop + int64_t{kTilePitch} * cell.row;
  if (const AlignedPicture* tile = pictures.Terrain(cell.terrain))
    CopyUnscaled(map, left, top, *tile);
  if (cell.arrow >= 1 && cell.arrow <= 9)
    CopyUnscaled(map, left + kArrowOffsetX, top + kArrowOffsetY, pictures.Arrow(cell.arrow));
  ForEachIcon(cell.icons, [&](const IconPlace& place) {
    CopyUnscaled(map, left + place.x, top + place.y, pictures.Icon(place.cell));
  });
}

}  // namespace qv
