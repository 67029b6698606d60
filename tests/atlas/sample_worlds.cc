#include "tests/atlas/sample_worlds.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "text/cp1250.h"

namespace qv::test {

AtlasWorld SmallAtlasWorld() {
  AtlasWorld world;
  for (int y = 27; y <= 34; ++y)
    for (int x = 54; x <= 61; ++x) {
      if ((x + y) % 7 == 0 && x != 57) continue;  // a few cells never seen
      AtlasCell c;
      c.x = x;
      c.y = y;
      c.terrain = 1 + (x * 3 + y) % 14;
      c.icons = x == 56 && y == 30 ? 16 : (x == 58 && y == 32 ? 1025 : 0);
      c.firstTurn = 50;
      c.lastTurn = 60 - (x - 54) * 2 - (y > 31 ? 30 : 0);  // older to the right and below
      c.character = y < 31 ? 1234 : 77;
      world.cells.push_back(c);
    }
  for (int x = 1000; x <= 1002; ++x) world.cells.push_back({x, -500, 6, 0, 3, 3, 1234});
  std::sort(world.cells.begin(), world.cells.end(), [](const AtlasCell& a, const AtlasCell& b) {
    return std::pair(a.y, a.x) < std::pair(b.y, b.x);
  });

  world.steps = {
      {77, 60, 59, 32, 5},       {1234, 58, 55, 29, 6}, {1234, 58, 56, 29, 6},
      {1234, 58, 57, 30, 3},     {1234, 59, 57, 31, 2}, {1234, 59, 58, 31, 6},
      {1234, 60, 1001, -500, 5},  // after a teleport
  };
  world.places = {
      {1001, -500, 3, 1234, std::string("Messzi Ősvár"_cp)},
      {55, 28, 55, 1234, std::string("Árnyékvölgy"_cp)},
      {57, 31, 59, 1234, std::string("Tükörtó"_cp)},
      {60, 31, 59, 77, ""},
      {56, 33, 60, 77, std::string("Kis Tükörtó <b> & \"idézet\""_cp)},
      {63, 34, 60, 77, std::string("Látatlan rév"_cp)},
  };
  world.conflicts = {{58, 31, 59, "Ellentmondas: (58,31) 59. fordulo: 1234. es 77. karakter"}};
  return world;
}

AtlasWorld GeneratedAtlasWorld(int cells, int turns) {
  // A walker whose maps are 4 x 3 cells around it, stepping 2 cells a turn
  // and turning now and then: a band of seen cells.
  std::map<std::pair<int, int>, AtlasCell> seen;  // keyed by (y, x)
  AtlasWorld world;
  std::uint32_t random = 12345;
  const auto next = [&random](std::uint32_t n) {
    random = random * 1103515245u + 12345u;
    return (random >> 8) % n;
  };
  int x = 0, y = 0, dx = 1, dy = 0;
  for (int turn = 1; static_cast<int>(seen.size()) < cells; ++turn) {
    const AtlasNumber t = 1 + (turn - 1) % std::max(1, turns);
    for (int r = -1; r <= 1; ++r)
      for (int c = -2; c <= 1; ++c) {
        AtlasCell& cell = seen[{y + r, x + c}];
        if (cell.firstTurn == 0) cell.firstTurn = t;
        cell.x = x + c;
        cell.y = y + r;
        cell.terrain = 1 + static_cast<int>(next(14));
        cell.icons = next(20) == 0 ? 1 << next(5) : 0;
        cell.lastTurn = std::max(cell.lastTurn, t);
        cell.character = 4321;
      }
    for (int s = 0; s < 2; ++s) {
      x += dx;
      y += dy;
      world.steps.push_back({4321, t, x, y, dx == 1 ? 6 : dx == -1 ? 4 : dy == 1 ? 2 : 8});
    }
    if (next(5) == 0) {
      const int turnLeft = next(2) == 0 ? 1 : -1;
      std::tie(dx, dy) = std::pair(-dy * turnLeft, dx * turnLeft);
    }
  }
  for (const auto& [key, cell] : seen) {
    world.cells.push_back(cell);
    if (world.cells.size() % 40 == 0)
      world.places.push_back(
          {cell.x, cell.y, cell.lastTurn, 4321, "Hely " + std::to_string(world.cells.size() / 40)});
  }
  std::stable_sort(world.steps.begin(), world.steps.end(),
                   [](const AtlasStep& a, const AtlasStep& b) { return a.turn < b.turn; });
  return world;
}

MapPictures PlainMapPictures() {
  std::vector<MonoBitmap> terrain;
  terrain.push_back(MonoBitmap(200, 200));
  for (int t = 2; t <= kTerrainCount; ++t) terrain.push_back(MonoBitmap::AllOnes(200, 200));
  return MapPictures{std::move(terrain), MonoBitmap::AllOnes(8 * 56, 56),
                     MonoBitmap::AllOnes(9 * 48, 48)};
}

}  // namespace qv::test
