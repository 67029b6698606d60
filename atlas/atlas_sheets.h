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
  int number = 0;               // 1, 2, ... in reading order: by grid row, then column
  std::int64_t gridColumn = 0;  // the sheet's place in the grid: x / kSheetColumns
  std::int64_t gridRow = 0;     // y / kSheetRows (both rounded down)
  std::vector<std::size_t> cells;
  int Left() const { return static_cast<int>(gridColumn * kSheetColumns); }
  int Top() const { return static_cast<int>(gridRow * kSheetRows); }
  bool Holds(std::int64_t x, std::int64_t y) const {
    return x >= Left() && x < std::int64_t{Left()} + kSheetColumns && y >= Top() &&
           y < std::int64_t{Top()} + kSheetRows;
  }
};

// The sheets of a world whose cells are sorted by y, then x; time and
// memory follow the cells, never the extent.
std::vector<AtlasSheet> AtlasSheets(const AtlasWorld& world);

// The sheet holding (x, y), or nullptr.
const AtlasSheet* SheetAt(const std::vector<AtlasSheet>& sheets, std::int64_t x, std::int64_t y);

}  // namespace qv
