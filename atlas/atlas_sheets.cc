#include "atlas/atlas_sheets.h"

#include <algorithm>
#include <map>
#include <utility>

namespace qv {
namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

std::vector<AtlasSheet> AtlasSheets(const AtlasWorld& world) {
  std::map<std::pair<std::int64_t, std::int64_t>, AtlasSheet> byPlace;  // (row, column)
  for (std::size_t i = 0; i < world.cells.size(); ++i) {
    const AtlasCell& c = world.cells[i];
    AtlasSheet& sheet = byPlace[{FloorDiv(c.y, kSheetRows), FloorDiv(c.x, kSheetColumns)}];
    sheet.cells.push_back(i);
  }
  std::vector<AtlasSheet> sheets;
  sheets.reserve(byPlace.size());
  for (auto& [place, sheet] : byPlace) {
    sheet.gridRow = place.first;
    sheet.gridColumn = place.second;
    sheet.number = static_cast<int>(sheets.size()) + 1;
    sheets.push_back(std::move(sheet));
  }
  return sheets;
}

const AtlasSheet* SheetAt(const std::vector<AtlasSheet>& sheets, std::int64_t x, std::int64_t y) {
  const std::pair key(FloorDiv(y, kSheetRows), FloorDiv(x, kSheetColumns));
  const auto it = std::lower_bound(
      sheets.begin(), sheets.end(), key,
      [](const AtlasSheet& s, const auto& k) { return std::pair(s.gridRow, s.gridColumn) < k; });
  return it != sheets.end() && std::pair(it->gridRow, it->gridColumn) == key ? &*it : nullptr;
}

}  // namespace qv
