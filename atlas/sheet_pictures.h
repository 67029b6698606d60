// The printable atlas's pictures: a sheet of the world with its rulers,
// paths and places, and the overview of every sheet. The map pictures are
// reduced to kSheetPitch pixels a cell, so that a sheet's picture stays a
// few ten kilobytes (a ten-year atlas of many hundred sheets stays a
// document a word processor opens).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "atlas/atlas_sheets.h"
#include "atlas/world.h"
#include "graphics/label_font.h"
#include "graphics/mono_bitmap.h"
#include "maps/picture_set.h"

namespace qv {

inline constexpr int kSheetPitch = 24;  // pixels a cell

// The grid columns and rows that hold sheets, ascending: the overview's
// columns and rows.
std::vector<std::int64_t> OverviewColumns(const std::vector<AtlasSheet>& sheets);
std::vector<std::int64_t> OverviewRows(const std::vector<AtlasSheet>& sheets);

class SheetPainter {
 public:
  SheetPainter(const MapPictures& pictures, const LabelFont& font);

  // The sheet: its cells' terrain and icons, the steps into its cells as
  // lines, a ring on each place, the grid, and the world coordinates along
  // the top and the left. `steps` are those into or out of its cells. A set
  // bit is white.
  MonoBitmap Sheet(const AtlasWorld& world, const AtlasSheet& sheet,
                   const std::vector<const AtlasStep*>& steps) const;

  // Every seen cell as a dot pattern of its terrain's tone and every sheet
  // as a frame with its number where it fits, within maxWidth x maxHeight
  // pixels (smaller for a small world). Only the columns and rows of sheets
  // are drawn (OverviewColumns, OverviewRows), a dotted line standing for
  // each run of them left out.
  MonoBitmap Overview(const AtlasWorld& world, const std::vector<AtlasSheet>& sheets, int maxWidth,
                      int maxHeight) const;

  // A text in the label font reduced to a third: ink is a set bit.
  MonoBitmap SmallLabel(std::string_view text) const;

 private:
  struct Reduced {
    int size = 0;
    std::vector<bool> ink;  // size x size, row by row
  };
  std::vector<Reduced> terrain_;  // kSheetPitch square
  std::vector<Reduced> icons_;    // icon cells 0 to 7
  std::vector<int> inkShare_;     // per terrain, in percent
  const LabelFont& font_;
};

}  // namespace qv
