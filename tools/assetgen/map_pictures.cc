#include "map_pictures.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "paths.h"
#include "picture_files.h"

namespace assetgen {
namespace {

void Circle(Canvas& c, double cx, double cy, double r, double pen) {
  c.Stroke(Ellipse(cx, cy, r, r), pen, kInk);
}

void Frame(Canvas& c, int left, int top, int right, int bottom) {
  c.FillRect(left, top, right, top + 1, kInk);
  c.FillRect(left, bottom - 1, right, bottom, kInk);
  c.FillRect(left, top, left + 1, bottom, kInk);
  c.FillRect(right - 1, top, right, bottom, kInk);
}

// A short wave mark "~" centred at (cx, cy).
void Wave(Canvas& c, double cx, double cy, double halfLength, double height, double pen) {
  std::vector<PointF> path;
  for (int i = 0; i <= 24; ++i) {
    const double t = static_cast<double>(i) / 24;
    path.push_back({cx - halfLength + 2 * halfLength * t, cy - height * std::sin(2 * kPi * t)});
  }
  c.Stroke(path, pen, kInk);
}

// Dots of the given radius at `count` places inside the tile's margin.
void Dots(Canvas& c, uint32_t seed, int count, double radius, double margin = 10) {
  Scatter s(seed);
  for (int i = 0; i < count; ++i) {
    const double x = s.Next(margin, kTileSize - margin);
    const double y = s.Next(margin, kTileSize - margin);
    c.Disc(x, y, radius, kInk);
  }
}

void Sea(Canvas& c) {
  for (int row = 0; row < 5; ++row) {
    const double y = 26 + 37 * row;
    const double shift = row % 2 == 0 ? 0 : 30;
    for (double x = 40 + shift; x < 190; x += 60) Wave(c, x, y, 18, 5, 1.6);
  }
}

// Land in the upper left, the shore running across, sea in the lower right.
void Coast(Canvas& c) {
  auto shore = [](double u) { return 225 + 14 * std::sin(u / 28); };  // x + y along the shore
  std::vector<PointF> line, surf;
  for (double u = -210; u <= 210; u += 2) {
    const double v = shore(u);
    line.push_back({(v + u) / 2, (v - u) / 2});
    surf.push_back({(v + 22 + u) / 2, (v + 22 - u) / 2});
  }
  c.Stroke(line, 2.5, kInk);
  c.Stroke(surf, 1.0, kInk);
  auto seaDepth = [&](double x, double y) { return x + y - shore(x - y); };
  for (double y = 30; y < 200; y += 34)
    for (double x = 20 + (static_cast<int>(y) % 2) * 25; x < 200; x += 50)
      if (seaDepth(x - 18, y) > 45 && seaDepth(x + 18, y) > 45) Wave(c, x, y, 15, 4, 1.4);
  Scatter s(7);
  for (int i = 0; i < 40; ++i) {
    const double x = s.Next(10, 190), y = s.Next(10, 190);
    if (seaDepth(x, y) < -12) c.Disc(x, y, 1.3, kInk);
  }
}

// Cracked, blackened ground.
void BurntLand(Canvas& c) {
  Dots(c, 11, 260, 1.4, 6);
  Scatter s(23);
  const PointF starts[] = {{40, 35}, {140, 30}, {95, 95}, {30, 130}, {160, 120}, {90, 165}};
  for (const PointF& start : starts) {
    std::vector<PointF> path{start};
    double angle = s.Next(0, 2 * kPi);
    for (int step = 0; step < 5; ++step) {
      angle += s.Next(-0.9, 0.9);
      const PointF& last = path.back();
      path.push_back({last.x + 9 * std::cos(angle), last.y + 9 * std::sin(angle)});
    }
    c.Stroke(path, 1.6, kInk);
  }
}

// Charred trunks with broken branches.
void BurntForest(Canvas& c) {
  Dots(c, 5, 90, 1.2, 6);
  const PointF bases[] = {{45, 95}, {110, 80}, {165, 105}, {75, 175}, {145, 180}};
  Scatter s(31);
  for (const PointF& b : bases) {
    const double height = s.Next(50, 65);
    c.FillPolygon(
        {{b.x - 5, b.y}, {b.x + 5, b.y}, {b.x + 1.5, b.y - height}, {b.x - 1.5, b.y - height}},
        kInk);
    for (int side = -1; side <= 1; side += 2) {
      const double y = b.y - height * s.Next(0.4, 0.75);
      c.Stroke({{b.x, y}, {b.x + side * 14, y - 12}}, 1.8, kInk);
    }
    c.Stroke({{b.x - 10, b.y}, {b.x + 10, b.y}}, 1.2, kInk);
  }
}

void GrassTuft(Canvas& c, double x, double y) {
  c.Stroke({{x, y}, {x - 9, y - 12}}, 1.3, kInk);
  c.Stroke({{x, y}, {x - 2, y - 17}}, 1.3, kInk);
  c.Stroke({{x + 1, y}, {x + 5, y - 16}}, 1.3, kInk);
  c.Stroke({{x + 1, y}, {x + 10, y - 11}}, 1.3, kInk);
  c.Stroke({{x - 12, y + 1}, {x + 13, y + 1}}, 1.0, kInk);
}

void Plain(Canvas& c) {
  const PointF tufts[] = {{40, 45},   {115, 35}, {170, 70},  {75, 100},
                          {145, 125}, {30, 150}, {100, 170}, {170, 180}};
  for (const PointF& t : tufts) GrassTuft(c, t.x, t.y);
}

void House(Canvas& c, double left, double base, double width, double height) {
  const double top = base - height;
  c.FillRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width),
             static_cast<int>(base), kPaper);
  Frame(c, static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width) + 1,
        static_cast<int>(base) + 1);
  c.FillRect(static_cast<int>(left + 1), static_cast<int>(top), static_cast<int>(left + width),
             static_cast<int>(top + 1), kInk);
  c.FillPolygon(
      {{left - 5, top + 1}, {left + width / 2, top - width * 0.55}, {left + width + 5, top + 1}},
      kInk);
  const double door = width / 5;
  c.FillRect(static_cast<int>(left + width / 2 - door / 2), static_cast<int>(base - height * 0.45),
             static_cast<int>(left + width / 2 + door / 2), static_cast<int>(base), kInk);
}

// A walled town: a keep with battlements behind houses.
void Town(Canvas& c) {
  // The keep.
  c.FillRect(82, 40, 118, 120, kPaper);
  Frame(c, 82, 40, 119, 121);
  for (int x = 82; x < 118; x += 12) c.FillRect(x, 30, x + 7, 41, kInk);
  c.FillRect(95, 60, 105, 75, kInk);
  c.FillRect(99, 12, 101, 31, kInk);
  c.FillPolygon({{101, 12}, {118, 17}, {101, 22}}, kInk);
  House(c, 30, 130, 40, 32);
  House(c, 132, 125, 42, 30);
  House(c, 55, 180, 38, 28);
  House(c, 115, 182, 44, 30);
  // The wall around.
  c.Stroke(Ellipse(100, 118, 88, 72, 0.15 * kPi, 0.85 * kPi), 2.0, kInk);
}

void BroadTree(Canvas& c, double x, double base, double r) {
  c.FillRect(static_cast<int>(x - 3), static_cast<int>(base - r), static_cast<int>(x + 4),
             static_cast<int>(base), kInk);
  const double cy = base - 1.6 * r - 4;
  c.Disc(x, cy, r, kPaper);
  Circle(c, x, cy, r, 1.8);
  c.Stroke(Ellipse(x - r * 0.2, cy + r * 0.1, r * 0.5, r * 0.45, 0.6 * kPi, 1.4 * kPi, 12), 1.0,
           kInk);
}

void SparseForest(Canvas& c) {
  BroadTree(c, 52, 92, 22);
  BroadTree(c, 145, 80, 24);
  BroadTree(c, 100, 180, 23);
  GrassTuft(c, 165, 170);
  GrassTuft(c, 35, 165);
}

void Conifer(Canvas& c, double x, double base, double height) {
  const double w = height * 0.42;
  c.FillRect(static_cast<int>(x - 2), static_cast<int>(base - 8), static_cast<int>(x + 3),
             static_cast<int>(base), kInk);
  c.FillPolygon({{x - w, base - 7}, {x, base - height * 0.62}, {x + w, base - 7}}, kInk);
  c.FillPolygon({{x - w * 0.8, base - height * 0.42},
                 {x, base - height},
                 {x + w * 0.8, base - height * 0.42}},
                kInk);
}

void DenseForest(Canvas& c) {
  for (int row = 0; row < 4; ++row) {
    const double base = 58 + 45 * row;
    const double shift = row % 2 == 0 ? 0 : 22;
    for (double x = 24 + shift; x < 190; x += 44) Conifer(c, x, base, 50);
  }
}

// A rounded hump with a few strokes of shade on its right slope.
void Hill(Canvas& c, double cx, double base, double halfWidth, double height) {
  c.FillPolygon(Ellipse(cx, base, halfWidth, height, kPi, 2 * kPi), kPaper);
  c.Stroke(Ellipse(cx, base, halfWidth, height, kPi, 2 * kPi), 2.2, kInk);
  for (int i = 1; i <= 3; ++i) {
    const double a = kPi * (1.55 + 0.1 * i);
    const double x = cx + halfWidth * std::cos(a), y = base + height * std::sin(a);
    c.Stroke({{x, y + 5}, {x - 6, y + 16}}, 1.0, kInk);
  }
}

void Hills(Canvas& c) {
  Hill(c, 60, 95, 48, 40);
  Hill(c, 140, 110, 52, 46);
  Hill(c, 90, 180, 55, 44);
}

// A peak outlined, its right flank hatched.
void Peak(Canvas& c, double cx, double base, double halfWidth, double height) {
  const PointF top{cx, base - height};
  c.FillPolygon({{cx - halfWidth, base}, top, {cx + halfWidth, base}}, kPaper);
  c.Stroke({{cx - halfWidth, base}, top, {cx + halfWidth, base}}, 2.2, kInk);
  for (double t = 0.2; t < 0.95; t += 0.13) {
    const PointF on{top.x + halfWidth * t, top.y + height * t};
    const double drop = (base - 2 - on.y) * 0.8;
    c.Stroke({on, {on.x - drop * 0.3, on.y + drop}}, 0.9, kInk);
  }
}

void LowMountains(Canvas& c) {
  Peak(c, 65, 110, 50, 70);
  Peak(c, 140, 120, 52, 75);
  Peak(c, 100, 190, 55, 68);
}

// A dark peak with a jagged cap of snow.
void SnowPeak(Canvas& c, double cx, double base, double halfWidth, double height) {
  const PointF top{cx, base - height};
  c.FillPolygon({{cx - halfWidth, base}, top, {cx + halfWidth, base}}, kInk);
  const double capY = top.y + height * 0.38;
  const double capHalf = halfWidth * 0.38;
  c.FillPolygon({{top.x, top.y + 5},
                 {cx + capHalf - 4, capY - 2},
                 {cx + capHalf * 0.45, capY - 9},
                 {cx + 2, capY + 2},
                 {cx - capHalf * 0.45, capY - 8},
                 {cx - capHalf + 4, capY - 1}},
                kPaper);
}

void HighMountains(Canvas& c) {
  SnowPeak(c, 135, 150, 55, 120);
  SnowPeak(c, 70, 190, 62, 165);
}

void Dune(Canvas& c, double cx, double cy, double halfWidth) {
  c.Stroke(
      Ellipse(cx, cy + halfWidth * 0.9, halfWidth, halfWidth * 0.9, 1.15 * kPi, 1.85 * kPi, 24),
      1.8, kInk);
}

void Desert(Canvas& c) {
  Dots(c, 17, 70, 1.1, 8);
  Dune(c, 55, 40, 40);
  Dune(c, 145, 75, 42);
  Dune(c, 70, 125, 44);
  Dune(c, 150, 165, 38);
}

void Reeds(Canvas& c, double x, double base) {
  for (int i = -1; i <= 1; ++i) {
    const double top = base - 30 - 6 * (i == 0);
    c.Stroke({{x, base}, {x + 7 * i, top}}, 1.0, kInk);
    c.FillPolygon(Ellipse(x + 7 * i, top + 5, 2.6, 6, 0, 2 * kPi, 16), kInk);
  }
}

void Swamp(Canvas& c) {
  for (int row = 0; row < 6; ++row) {
    const double y = 22 + 32 * row;
    const int shift = row % 2 == 0 ? 0 : 20;
    for (int x = 10 + shift; x < 190; x += 40)
      c.FillRect(x, static_cast<int>(y), x + 22, static_cast<int>(y) + 2, kInk);
  }
  const PointF clumps[] = {{45, 80}, {140, 50}, {100, 140}, {165, 180}, {35, 185}};
  for (const PointF& p : clumps) {
    c.FillRect(static_cast<int>(p.x - 14), static_cast<int>(p.y - 40), static_cast<int>(p.x + 15),
               static_cast<int>(p.y + 3), kPaper);
    Reeds(c, p.x, p.y);
  }
}

// A low bush: overlapping round leaves on a short stem.
void Bush(Canvas& c, double x, double base) {
  c.Stroke({{x, base}, {x, base - 8}}, 1.2, kInk);
  const PointF leaves[] = {{x - 9, base - 12}, {x + 9, base - 12}, {x, base - 20}};
  for (const PointF& l : leaves) c.Disc(l.x, l.y, 8.5, kInk);
  for (const PointF& l : leaves) c.Disc(l.x, l.y, 5.5, kPaper);
  c.Stroke({{x - 16, base}, {x + 16, base}}, 1.0, kInk);
}

void Scrub(Canvas& c) {
  const PointF bushes[] = {{40, 50},   {110, 40}, {170, 70},  {70, 105},
                           {140, 120}, {35, 165}, {100, 175}, {165, 180}};
  for (const PointF& b : bushes) Bush(c, b.x, b.y);
}

// --- Arrows -----------------------------------------------------------------

constexpr int kArrowPitch = 48;
constexpr int kArrowCell = 47;  // the part of a cell that is copied

void DrawArrow(Canvas& c, int left, int key) {
  Frame(c, left, 0, left + kArrowCell, kArrowCell);
  const double cx = left + kArrowCell / 2.0, cy = kArrowCell / 2.0;
  if (key == 5) {
    Circle(c, cx, cy, 11, 2.2);
    c.Disc(cx, cy, 3.5, kInk);
    return;
  }
  // Keypad: 7 8 9 on top, 1 2 3 below; y grows downwards.
  const double dx = (key - 1) % 3 - 1.0, dy = 1.0 - (key - 1) / 3;
  const double length = std::hypot(dx, dy);
  const double ux = dx / length, uy = dy / length;  // along the arrow
  const double px = -uy, py = ux;                   // across it
  c.Stroke({{cx - 15 * ux, cy - 15 * uy}, {cx + 5 * ux, cy + 5 * uy}}, 2.6, kInk);
  c.FillPolygon({{cx + 17 * ux, cy + 17 * uy},
                 {cx + 3 * ux + 9 * px, cy + 3 * uy + 9 * py},
                 {cx + 3 * ux - 9 * px, cy + 3 * uy - 9 * py}},
                kInk);
}

// --- Icons ------------------------------------------------------------------

constexpr int kIconPitch = 56;
constexpr int kIconWidth = 55;  // the part of a cell that is copied
constexpr int kIconHeight = 56;

void Tent(Canvas& c, double cx, double cy) {
  c.FillPolygon({{cx - 20, cy + 15}, {cx, cy - 17}, {cx + 20, cy + 15}}, kInk);
  c.FillPolygon({{cx - 6, cy + 15}, {cx, cy - 2}, {cx + 6, cy + 15}}, kPaper);
  c.Stroke({{cx, cy - 17}, {cx - 4, cy - 23}}, 1.2, kInk);
  c.Stroke({{cx, cy - 17}, {cx + 4, cy - 23}}, 1.2, kInk);
  c.FillRect(static_cast<int>(cx - 23), static_cast<int>(cy + 15), static_cast<int>(cx + 24),
             static_cast<int>(cy + 17), kInk);
}

void IconHouse(Canvas& c, double cx, double cy) {
  c.FillPolygon({{cx - 20, cy - 2}, {cx, cy - 20}, {cx + 20, cy - 2}}, kInk);
  Frame(c, static_cast<int>(cx - 14), static_cast<int>(cy - 3), static_cast<int>(cx + 15),
        static_cast<int>(cy + 19));
  c.FillRect(static_cast<int>(cx - 4), static_cast<int>(cy + 6), static_cast<int>(cx + 5),
             static_cast<int>(cy + 19), kInk);
}

void Flag(Canvas& c, double cx, double cy) {
  c.FillRect(static_cast<int>(cx - 12), static_cast<int>(cy - 20), static_cast<int>(cx - 9),
             static_cast<int>(cy + 21), kInk);
  c.FillPolygon({{cx - 9, cy - 20}, {cx + 17, cy - 12}, {cx - 9, cy - 3}}, kInk);
  c.FillRect(static_cast<int>(cx - 18), static_cast<int>(cy + 19), static_cast<int>(cx - 2),
             static_cast<int>(cy + 22), kInk);
}

void Swords(Canvas& c, double cx, double cy) {
  for (int side = -1; side <= 1; side += 2) {
    const double s = side;
    c.Stroke({{cx - 16 * s, cy + 16}, {cx + 15 * s, cy - 17}}, 1.8, kInk);  // blade
    c.Stroke({{cx - 15 * s, cy + 6}, {cx - 6 * s, cy + 15}}, 2.0, kInk);    // cross guard
    c.Disc(cx - 19 * s, cy + 19, 3, kInk);                                  // pommel
  }
}

void Star(Canvas& c, double cx, double cy) {
  std::vector<PointF> points;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 == 0 ? 21 : 8.5;
    const double a = -kPi / 2 + i * kPi / 5;
    points.push_back({cx + r * std::cos(a), cy + 2 + r * std::sin(a)});
  }
  c.FillPolygon(points, kInk);
}

void Chest(Canvas& c, double cx, double cy) {
  const int l = static_cast<int>(cx - 19), r = static_cast<int>(cx + 20);
  const int t = static_cast<int>(cy - 12), b = static_cast<int>(cy + 15);
  c.FillRect(l, t, r, b, kInk);
  c.FillRect(l + 3, t + 3, r - 3, t + 8, kPaper);
  c.FillRect(l + 3, t + 11, r - 3, b - 3, kPaper);
  c.FillRect(static_cast<int>(cx - 3), t + 7, static_cast<int>(cx + 4), t + 16, kInk);
  c.FillPolygon(Ellipse(cx, t, 20, 8, kPi, 2 * kPi, 16), kInk);
}

void Footprints(Canvas& c, double cx, double cy) {
  const PointF feet[] = {{cx - 8, cy + 8}, {cx + 8, cy - 8}};
  for (const PointF& f : feet) {
    c.FillPolygon(Ellipse(f.x, f.y + 3, 5.5, 9, 0, 2 * kPi, 20), kInk);
    for (int toe = -1; toe <= 1; ++toe) c.Disc(f.x + 4 * toe, f.y - 10, 1.8, kInk);
  }
}

void Warning(Canvas& c, double cx, double cy) {
  c.FillPolygon({{cx, cy - 21}, {cx + 23, cy + 18}, {cx - 23, cy + 18}}, kInk);
  c.FillPolygon({{cx, cy - 13}, {cx + 16, cy + 14}, {cx - 16, cy + 14}}, kPaper);
  c.FillRect(static_cast<int>(cx - 2), static_cast<int>(cy - 5), static_cast<int>(cx + 3),
             static_cast<int>(cy + 6), kInk);
  c.FillRect(static_cast<int>(cx - 2), static_cast<int>(cy + 8), static_cast<int>(cx + 3),
             static_cast<int>(cy + 12), kInk);
}

}  // namespace

Canvas DrawTerrainTile(int terrain) {
  using Draw = void (*)(Canvas&);
  static constexpr Draw kDraw[kTerrainTiles] = {
      Sea,         Coast, BurntLand,    BurntForest,   Plain,  Town,  SparseForest,
      DenseForest, Hills, LowMountains, HighMountains, Desert, Swamp, Scrub};
  if (terrain < 1 || terrain > kTerrainTiles) throw std::runtime_error("no such terrain");
  Canvas c(kTileSize, kTileSize);
  kDraw[terrain - 1](c);
  Frame(c, 0, 0, kTileSize, kTileSize);
  return c;
}

Canvas DrawArrowStrip() {
  Canvas c(9 * kArrowPitch, kArrowPitch);
  for (int key = 1; key <= 9; ++key) DrawArrow(c, kArrowPitch * (key - 1), key);
  return c;
}

Canvas DrawIconStrip() {
  using Draw = void (*)(Canvas&, double, double);
  static constexpr Draw kDraw[] = {Tent, IconHouse, Flag, Swords, Star, Chest, Footprints, Warning};
  Canvas c(8 * kIconPitch, kIconHeight);
  for (int k = 0; k < 8; ++k) {
    const int left = kIconPitch * k;
    c.FillRect(left, 0, left + kIconWidth, kIconHeight, kPaper);
    Frame(c, left, 0, left + kIconWidth, kIconHeight);
    kDraw[k](c, left + kIconWidth / 2.0, kIconHeight / 2.0);
  }
  return c;
}

void WriteMapPictures(const std::string& directory) {
  const std::string dir =
      directory.empty() || directory.back() == '/' ? directory : directory + "/";
  for (int t = 1; t <= kTerrainTiles; ++t)
    WriteMonoBmp(DrawTerrainTile(t), dir + qv::kTerrainFiles[t - 1]);
  WriteMonoBmp(DrawIconStrip(), dir + qv::kIconFile);
  WriteMonoBmp(DrawArrowStrip(), dir + qv::kArrowFile);
}

}  // namespace assetgen
