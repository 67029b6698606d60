// Timings of the map pictures: drawing an n x n map and encoding it as a
// picture group. Both must stay linear in the pixel count; a 40 x 40 map
// (8071 x 8067 pixels) must take well under a second.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "rtfkit/picture_group.h"
#include "graphics/label_font.h"
#include "maps/map_drawing.h"
#include "maps/picture_set.h"

namespace {

// Pictures with some ink in them, made in memory.
qv::MonoBitmap Pattern(int width, int height, int seed) {
  qv::MonoBitmap bm(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bm.Set(x, y, (x * 7 + y * 3 + seed) % 5 != 0);
  return bm;
}

const qv::MapPictures& Pictures() {
  static const qv::MapPictures pictures = [] {
    std::vector<qv::MonoBitmap> terrain;
    for (int t = 1; t <= qv::kTerrainCount; ++t) terrain.push_back(Pattern(200, 200, t));
    return qv::MapPictures{std::move(terrain), Pattern(448, 56, 0), Pattern(432, 48, 1)};
  }();
  return pictures;
}

// Every cell with a tile, an arrow and two icons.
qv::MonoBitmap DrawSquareMap(int n, const qv::LabelFont& font) {
  const qv::MapFrame frame{n, n, 1, 1};
  qv::MonoBitmap map = qv::NewMapBitmap(frame);
  qv::DrawMapLabels(map, frame, font);
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c)
      qv::DrawMapCell(map, {r, c, 1 + (r + c) % 14, 1 + (r * n + c) % 9, 1025}, Pictures());
  return map;
}

int64_t Pixels(int n) { return (200LL * n + 71) * (200LL * n + 67); }

void BM_DrawMap(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto font = qv::OpenMapLabelFont();
  for (auto _ : state) benchmark::DoNotOptimize(DrawSquareMap(n, *font));
  state.SetComplexityN(Pixels(n));
  state.counters["pixels"] = static_cast<double>(Pixels(n));
}
BENCHMARK(BM_DrawMap)
    ->Arg(10)
    ->Arg(20)
    ->Arg(40)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void BM_PictureGroup(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto font = qv::OpenMapLabelFont();
  const qv::MonoBitmap map = DrawSquareMap(n, *font);
  for (auto _ : state) {
    std::string dots;
    benchmark::DoNotOptimize(qv::PictureGroup(map, &dots));
  }
  state.SetComplexityN(Pixels(n));
}
BENCHMARK(BM_PictureGroup)
    ->Arg(10)
    ->Arg(20)
    ->Arg(40)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

}  // namespace
