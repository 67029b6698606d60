// The printable atlas's division of the world into sheets: a fixed grid of
// kSheetColumns x kSheetRows cells, of which only the parts holding seen
// cells become sheets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "atlas/world.h"

namespace qv {

inline constexpr int kSheetColumns = 12;
inline constexpr int kSheetRows = 16;

struct AtlasSheet {
  int number = 0;  // 1, 2, ... in reading order: by grid row, then column
  // The grid: sheet (column, row) covers x from originX + column *
  // kSheetColumns and y from originY + row * kSheetRows on. The origin is
  // the same for every sheet of a world.
  int originX = 0;
  int originY = 0;
  std::int64_t gridColumn = 0;
  std::int64_t gridRow = 0;
  std::vector<std::size_t> cells;  // indices into world.cells
  std::int64_t Left() const { return originX + gridColumn * kSheetColumns; }
  std::int64_t Top() const { return originY + gridRow * kSheetRows; }
  bool Holds(std::int64_t x, std::int64_t y) const {
    return x >= Left() && x < Left() + kSheetColumns && y >= Top() && y < Top() + kSheetRows;
  }
};

// The sheets of a world whose cells are sorted by y, then x. Of a few
// origins of the grid the one giving the fewest sheets is taken, so that a
// small world is not cut in four by a grid line. Time and memory follow the
// cells, never the extent.
std::vector<AtlasSheet> AtlasSheets(const AtlasWorld& world);

// The sheet holding (x, y), or nullptr.
const AtlasSheet* SheetAt(const std::vector<AtlasSheet>& sheets, std::int64_t x, std::int64_t y);

}  // namespace qv
