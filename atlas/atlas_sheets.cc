#include "atlas/atlas_sheets.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <unordered_set>
#include <utility>

namespace qv {
namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

std::vector<AtlasSheet> AtlasSheets(const AtlasWorld& world) {
  const auto key = [](std::int64_t x, std::int64_t y, int originX, int originY) {
    return std::pair(FloorDiv(y - originY, kSheetRows), FloorDiv(x - originX, kSheetColumns));
  };
  // The origins tried: every quarter of a sheet each way.
  int bestX = 0, bestY = 0;
  std::size_t fewest = SIZE_MAX;
  for (int originY = 0; originY < kSheetRows; originY += kSheetRows / 4)
    for (int originX = 0; originX < kSheetColumns; originX += kSheetColumns / 4) {
      std::unordered_set<std::uint64_t> seen;
      for (const AtlasCell& c : world.cells) {
        const auto [row, column] = key(c.x, c.y, originX, originY);
        seen.insert(static_cast<std::uint64_t>(row) << 32 ^ static_cast<std::uint32_t>(column));
      }
      if (seen.size() < fewest) {
        fewest = seen.size();
        bestX = originX;
        bestY = originY;
      }
    }

  std::map<std::pair<std::int64_t, std::int64_t>, AtlasSheet> byPlace;  // (row, column)
  for (std::size_t i = 0; i < world.cells.size(); ++i) {
    const AtlasCell& c = world.cells[i];
    byPlace[key(c.x, c.y, bestX, bestY)].cells.push_back(i);
  }
  std::vector<AtlasSheet> sheets;
  sheets.reserve(byPlace.size());
  for (auto& [place, sheet] : byPlace) {
    sheet.originX = bestX;
    sheet.originY = bestY;
    sheet.gridRow = place.first;
    sheet.gridColumn = place.second;
    sheet.number = static_cast<int>(sheets.size()) + 1;
    sheets.push_back(std::move(sheet));
  }
  return sheets;
}

const AtlasSheet* SheetAt(const std::vector<AtlasSheet>& sheets, std::int64_t x, std::int64_t y) {
  if (sheets.empty()) return nullptr;
  const std::pair key(FloorDiv(y - sheets.front().originY, kSheetRows),
                      FloorDiv(x - sheets.front().originX, kSheetColumns));
  const auto it = std::lower_bound(
      sheets.begin(), sheets.end(), key,
      [](const AtlasSheet& s, const auto& k) { return std::pair(s.gridRow, s.gridColumn) < k; });
  return it != sheets.end() && std::pair(it->gridRow, it->gridColumn) == key ? &*it : nullptr;
}

}  // namespace qv
