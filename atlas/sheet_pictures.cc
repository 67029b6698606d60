#include "atlas/sheet_pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "graphics/canvas.h"
#include "maps/map_drawing.h"

namespace qv {
namespace {

constexpr int kMapTile = 200;   // the map pictures' cell
constexpr int kIconPitch = 56;  // icon cells 56 pixels apart, 55 x 56 copied
constexpr int kLabelReduction = 3;
constexpr int kRulerTop = 18;

// Ink in a source region, as a share in percent; the source's set bit is white.
int InkPercent(const MonoBitmap& source, int x0, int y0, int x1, int y1) {
  std::int64_t ink = 0, all = 0;
  for (int y = std::max(0, y0); y < std::min(y1, source.height()); ++y)
    for (int x = std::max(0, x0); x < std::min(x1, source.width()); ++x) {
      ink += source.Get(x, y) ? 0 : 1;
      ++all;
    }
  return all > 0 ? static_cast<int>(100 * ink / all) : 0;
}

// Paints `ink` (size x size) with its top-left corner at (x, y), paper too.
void Paint(Canvas& c, int x, int y, int size, const std::vector<bool>& ink) {
  for (int r = 0; r < size; ++r)
    for (int k = 0; k < size; ++k)
      c.Put(x + k, y + r, ink[static_cast<std::size_t>(r * size + k)] ? kInk : kPaper);
}

// Ink of `label` (a set bit) onto the canvas, its top-left corner at (x, y).
void Stamp(Canvas& c, int x, int y, const MonoBitmap& label) {
  for (int r = 0; r < label.height(); ++r)
    for (int k = 0; k < label.width(); ++k)
      if (label.Get(k, r)) c.Put(x + k, y + r, kInk);
}

constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

}  // namespace

SheetPainter::SheetPainter(const MapPictures& pictures, const LabelFont& font) : font_(font) {
  // A thin stroke of a tile covers a sixth of a reduced pixel or more: it
  // stays a line rather than vanishing.
  const auto reduce = [](const MonoBitmap& source, int left, int width, int height, int size,
                         int threshold) {
    Reduced r{size, std::vector<bool>(static_cast<std::size_t>(size * size))};
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x)
        r.ink[static_cast<std::size_t>(y * size + x)] =
            InkPercent(source, left + x * width / size, y * height / size,
                       left + (x + 1) * width / size, (y + 1) * height / size) >= threshold;
    return r;
  };
  for (const MonoBitmap& tile : pictures.terrain) {
    terrain_.push_back(reduce(tile, 0, kMapTile, kMapTile, kSheetPitch, 17));
    inkShare_.push_back(InkPercent(tile, 0, 0, tile.width(), tile.height()));
  }
  const int iconSize = (kIconPitch * kSheetPitch + kMapTile / 2) / kMapTile;
  for (int k = 0; k < 8; ++k)
    icons_.push_back(
        reduce(pictures.icons, kIconPitch * k, kIconPitch - 1, kIconPitch, iconSize, 30));
}

MonoBitmap SheetPainter::SmallLabel(std::string_view text) const {
  const TextExtent e = LabelExtent(font_, text);
  MonoBitmap full = MonoBitmap::AllOnes(std::max(1, e.width), std::max(1, e.height));
  DrawLabel(full, font_, 0, 0, text);
  const int w = (full.width() + kLabelReduction - 1) / kLabelReduction;
  const int h = (full.height() + kLabelReduction - 1) / kLabelReduction;
  MonoBitmap small(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      small.Set(x, y,
                InkPercent(full, x * kLabelReduction, y * kLabelReduction,
                           (x + 1) * kLabelReduction, (y + 1) * kLabelReduction) >= 30);
  return small;
}

MonoBitmap SheetPainter::Sheet(const AtlasWorld& world, const AtlasSheet& sheet,
                               const std::vector<const AtlasStep*>& steps) const {
  constexpr int p = kSheetPitch;
  // The row labels' strip is as wide as the widest of them.
  std::vector<MonoBitmap> rowLabels;
  int rulerLeft = 12;
  for (int r = 0; r < kSheetRows; ++r) {
    rowLabels.push_back(SmallLabel(std::to_string(sheet.Top() + r)));
    rulerLeft = std::max(rulerLeft, rowLabels.back().width() + 5);
  }
  const int width = rulerLeft + kSheetColumns * p + 2, height = kRulerTop + kSheetRows * p + 2;
  Canvas c(width, height);
  const auto cellX = [&](std::int64_t x) {
    return rulerLeft + static_cast<int>(x - sheet.Left()) * p;
  };
  const auto cellY = [&](std::int64_t y) {
    return kRulerTop + static_cast<int>(y - sheet.Top()) * p;
  };

  // The grid's corners, so that unseen cells still show where they lie.
  for (int gy = 0; gy <= kSheetRows; ++gy)
    for (int gx = 0; gx <= kSheetColumns; ++gx) {
      const int x = rulerLeft + gx * p, y = kRulerTop + gy * p;
      c.FillRect(x - 1, y, x + 2, y + 1, kInk);
      c.FillRect(x, y - 1, x + 1, y + 2, kInk);
    }

  for (const std::size_t i : sheet.cells) {
    const AtlasCell& cell = world.cells[i];
    const int x = cellX(cell.x), y = cellY(cell.y);
    if (cell.terrain >= 1 && cell.terrain <= static_cast<int>(terrain_.size()))
      Paint(c, x, y, p, terrain_[static_cast<std::size_t>(cell.terrain - 1)].ink);
    int mask = cell.icons;
    for (const IconPlace& place : IconPlaces()) {
      if (mask < place.value) continue;
      mask -= place.value;
      if (place.cell < 0) continue;
      const Reduced& icon = icons_[static_cast<std::size_t>(place.cell)];
      Paint(c, x + place.x * p / kMapTile, y + place.y * p / kMapTile, icon.size, icon.ink);
    }
    c.FillRect(x, y, x + p + 1, y + 1, kInk);
    c.FillRect(x, y + p, x + p + 1, y + p + 1, kInk);
    c.FillRect(x, y, x + 1, y + p + 1, kInk);
    c.FillRect(x + p, y, x + p + 1, y + p + 1, kInk);
  }

  // Each step as a line from the cell it came from; a stay as a dot. A line
  // from or to a cell off the sheet stops at the sheet's edge.
  for (const AtlasStep* step : steps) {
    const double cx = cellX(step->x) + p / 2.0, cy = cellY(step->y) + p / 2.0;
    if (step->arrow < 1 || step->arrow > 9 || step->arrow == 5) {
      if (!sheet.Holds(step->x, step->y)) continue;
      c.Disc(cx, cy, 3.6, kPaper);
      c.Disc(cx, cy, 2.4, kInk);
      continue;
    }
    const int dx = (step->arrow - 1) % 3 - 1, dy = 1 - (step->arrow - 1) / 3;
    PointF from{cx - dx * p, cy - dy * p}, to{cx, cy};
    if (!sheet.Holds(step->x - dx, step->y - dy)) from = {cx - dx * p / 2.0, cy - dy * p / 2.0};
    if (!sheet.Holds(step->x, step->y)) to = {cx - dx * p / 2.0, cy - dy * p / 2.0};
    c.Stroke({from, to}, 2.4, kPaper);
    c.Stroke({from, to}, 1.1, kInk);
  }

  for (const AtlasPlace& place : world.places) {
    if (!sheet.Holds(place.x, place.y)) continue;
    const double cx = cellX(place.x) + p / 2.0, cy = cellY(place.y) + p / 2.0;
    c.Disc(cx, cy, 5.5, kPaper);
    c.Disc(cx, cy, 4.5, kInk);
    c.Disc(cx, cy, 2.5, kPaper);
  }

  // Rulers: every column number that fits beside the one before it.
  c.FillRect(0, 0, width, kRulerTop - 1, kPaper);
  c.FillRect(0, 0, rulerLeft - 1, height, kPaper);
  int lastRight = rulerLeft - 4;
  for (int k = 0; k < kSheetColumns; ++k) {
    const MonoBitmap label = SmallLabel(std::to_string(sheet.Left() + k));
    const int x = rulerLeft + k * p + (p - label.width()) / 2;
    if (x < lastRight + 4) continue;
    Stamp(c, x, kRulerTop - 2 - label.height(), label);
    lastRight = x + label.width();
  }
  for (int r = 0; r < kSheetRows; ++r) {
    const MonoBitmap& label = rowLabels[static_cast<std::size_t>(r)];
    Stamp(c, rulerLeft - 4 - label.width(), kRulerTop + r * p + (p - label.height()) / 2, label);
  }
  return Inverted(c.ink());
}

MonoBitmap SheetPainter::Overview(const AtlasWorld& world, const std::vector<AtlasSheet>& sheets,
                                  int maxWidth, int maxHeight) const {
  if (sheets.empty()) return MonoBitmap::AllOnes(1, 1);
  // Only the grid's columns and rows that hold a sheet are drawn, a dotted
  // gap standing for those left out: two parts of the world far apart
  // stay side by side, and the picture's size follows the sheets.
  const std::vector<std::int64_t> columns = OverviewColumns(sheets), rows = OverviewRows(sheets);
  constexpr int kGap = 8;
  const auto gaps = [](const std::vector<std::int64_t>& v) {
    int n = 0;
    for (std::size_t i = 1; i < v.size(); ++i) n += v[i] != v[i - 1] + 1 ? 1 : 0;
    return n;
  };
  const int gapsWide = gaps(columns), gapsHigh = gaps(rows);
  const double scale = std::max(
      0.05,
      std::min({6.0, (maxWidth - 2.0 - kGap * gapsWide) / (double(columns.size()) * kSheetColumns),
                (maxHeight - 2.0 - kGap * gapsHigh) / (double(rows.size()) * kSheetRows)}));
  // Where each column and row of sheets starts.
  const auto starts = [&](const std::vector<std::int64_t>& v, int cells, std::vector<int>& at) {
    double pos = 1;
    for (std::size_t i = 0; i < v.size(); ++i) {
      if (i > 0 && v[i] != v[i - 1] + 1) pos += kGap;
      at.push_back(static_cast<int>(pos));
      pos += cells * scale;
    }
    return static_cast<int>(std::ceil(pos)) + 1;
  };
  std::vector<int> columnAt, rowAt;
  const int width = starts(columns, kSheetColumns, columnAt);
  const int height = starts(rows, kSheetRows, rowAt);
  Canvas c(width, height);
  const auto place = [](const std::vector<std::int64_t>& v, std::int64_t value) {
    return static_cast<std::size_t>(std::lower_bound(v.begin(), v.end(), value) - v.begin());
  };

  // The gaps, dotted across the whole picture.
  const auto dotGaps = [&](const std::vector<std::int64_t>& v, const std::vector<int>& at,
                           bool across) {
    for (std::size_t i = 1; i < v.size(); ++i) {
      if (v[i] == v[i - 1] + 1) continue;
      const int mid = at[i] - kGap / 2 - 1;
      for (int k = 0; k < (across ? height : width); k += 3)
        across ? c.Put(mid, k, kInk) : c.Put(k, mid, kInk);
    }
  };
  dotGaps(columns, columnAt, true);
  dotGaps(rows, rowAt, false);

  // A cell is a pattern as dark as its tile, but never paper.
  for (const AtlasSheet& sheet : sheets) {
    const double left = columnAt[place(columns, sheet.gridColumn)];
    const double top = rowAt[place(rows, sheet.gridRow)];
    for (const std::size_t i : sheet.cells) {
      const AtlasCell& cell = world.cells[i];
      const int share = cell.terrain >= 1 && cell.terrain <= static_cast<int>(inkShare_.size())
                            ? inkShare_[static_cast<std::size_t>(cell.terrain - 1)]
                            : 50;
      const int level = 5 + share * 10 / 100;  // of 16
      const double dx = static_cast<double>(cell.x - sheet.Left()) * scale;
      const double dy = static_cast<double>(cell.y - sheet.Top()) * scale;
      const int x0 = static_cast<int>(left + dx), y0 = static_cast<int>(top + dy);
      const int x1 = std::max(x0 + 1, static_cast<int>(left + dx + scale));
      const int y1 = std::max(y0 + 1, static_cast<int>(top + dy + scale));
      for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) c.Put(x, y, kBayer[y & 3][x & 3] < level ? kInk : kPaper);
    }
  }
  for (const AtlasSheet& s : sheets) {
    const int left = columnAt[place(columns, s.gridColumn)];
    const int top = rowAt[place(rows, s.gridRow)];
    const int right = std::max(left + 1, static_cast<int>(left + kSheetColumns * scale));
    const int bottom = std::max(top + 1, static_cast<int>(top + kSheetRows * scale));
    c.FillRect(left, top, right + 1, top + 1, kInk);
    c.FillRect(left, bottom, right + 1, bottom + 1, kInk);
    c.FillRect(left, top, left + 1, bottom + 1, kInk);
    c.FillRect(right, top, right + 1, bottom + 1, kInk);
    const MonoBitmap label = SmallLabel(std::to_string(s.number));
    if (label.width() + 3 > right - left || label.height() + 3 > bottom - top) continue;
    const int lx = (left + right - label.width()) / 2, ly = (top + bottom - label.height()) / 2;
    c.FillRect(lx - 2, ly - 1, lx + label.width() + 2, ly + label.height() + 1, kPaper);
    Stamp(c, lx, ly, label);
  }
  return Inverted(c.ink());
}

std::vector<std::int64_t> OverviewColumns(const std::vector<AtlasSheet>& sheets) {
  std::vector<std::int64_t> v;
  for (const AtlasSheet& s : sheets) v.push_back(s.gridColumn);
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
  return v;
}

std::vector<std::int64_t> OverviewRows(const std::vector<AtlasSheet>& sheets) {
  std::vector<std::int64_t> v;
  for (const AtlasSheet& s : sheets) v.push_back(s.gridRow);
  v.erase(std::unique(v.begin(), v.end()), v.end());  // sheets come by row
  return v;
}

}  // namespace qv
