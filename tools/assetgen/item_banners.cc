#include "item_banners.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "picture_files.h"
#include "rtfkit/item_banners.h"
#include "sketch.h"

namespace assetgen {
namespace {

// The document shows every banner 1416 x 509 twips (qv::kItemBannerHeader).
constexpr double kShownWidth = 1416;
constexpr double kShownHeight = 509;

// Pens, in units of a pixel's height: the banners are shown about 2.5 cm
// wide, so outlines are bold and shading is coarse.
constexpr double kBold = 4.2;
constexpr double kPen = 3.2;
constexpr double kThin = 2.2;
constexpr Hatching kShade{45, 4.4, 1.7};
constexpr Hatching kShadeBack{-45, 4.4, 1.7};
constexpr Hatching kDense{45, 3.2, 1.7};
constexpr Hatching kAcross{90, 4.4, 1.7};

Path Circle(PointF centre, double r) { return Arc(centre, r, r, 0, 360, 64); }

// The shadowed side of a round thing of radius r: what is left of it when
// it is covered by a copy moved by `light` (to be used as a hatching clip).
// The two circles make one outline whose inside, by the even-odd rule, is
// either circle but not both.
Path Crescent(PointF centre, double r, PointF light) {
  return Join(Circle(centre, r + 6), Circle({centre.x + light.x, centre.y + light.y}, r));
}

// A pebble: an ellipse whose radius wobbles a little, from `seed`.
Path Pebble(PointF centre, double rx, double ry, uint32_t seed) {
  Scatter wobble(seed);
  double lumps[3];
  for (double& lump : lumps) lump = wobble.Next(-0.07, 0.07);
  Path points;
  for (int i = 0; i < 60; ++i) {
    const double a = 2 * kPi * i / 60;
    double r = 1;
    for (int k = 0; k < 3; ++k) r += lumps[k] * std::cos((k + 2) * a + k);
    points.push_back({centre.x + rx * r * std::cos(a), centre.y + ry * r * std::sin(a)});
  }
  return points;
}

// A four-pointed twinkle.
void Sparkle(Sketch& s, PointF c, double size) {
  const double w = size * 0.22;
  s.Fill({{c.x, c.y - size},
          {c.x + w, c.y - w},
          {c.x + size, c.y},
          {c.x + w, c.y + w},
          {c.x, c.y + size},
          {c.x - w, c.y + w},
          {c.x - size, c.y},
          {c.x - w, c.y - w}});
}

// A chain along `spine`: links `step` apart, alternately seen flat (an open
// ring) and edgewise (a bar through the neighbouring rings).
void Chain(Sketch& s, const Path& spine, double step, double pen) {
  const Path at = Resampled(spine, step);
  for (int pass = 0; pass < 2; ++pass)
    for (std::size_t i = 0; i + 1 < at.size(); ++i) {
      const bool flat = i % 2 == 0;
      if (flat != (pass == 1)) continue;
      const PointF a = at[i], b = at[i + 1];
      const PointF mid = Between(a, b, 0.5);
      const double degrees = std::atan2(b.y - a.y, b.x - a.x) * 180 / kPi;
      if (flat) {
        s.Outline(Turned(Arc(mid, step * 0.72, step * 0.42, 0, 360, 40), mid, degrees), pen);
      } else {
        s.Line({Between(a, b, -0.32), Between(a, b, 1.32)}, pen * 1.6);
      }
    }
}

// --- 1: helmet, shield and gauntlet -------------------------------------------

// A great helm seen from the front: a bucket with a rounded crown, a ridge
// down the middle, eye slits and breathing holes.
void Helmet(Sketch& s, double cx) {
  const double half = 31, shoulder = 38, bottom = 100;
  const Path body = Join(Arc({cx, shoulder}, half, 30, 180, 360),
                         {{cx + half, 86}, {cx + 18, bottom}, {cx - 18, bottom}, {cx - half, 86}});
  s.Solid(body, kBold);
  s.Hatch(body, kAcross, Box(cx + 15, 0, cx + 40, 110));
  // The ridge and the brow band.
  s.Line({{cx - 4, 11}, {cx - 4, 98}}, kThin);
  s.Line({{cx + 4, 11}, {cx + 4, 98}}, kThin);
  s.Line({{cx - half + 1, shoulder}, {cx + half - 1, shoulder}}, kThin);
  for (double x = cx - 24; x <= cx + 24; x += 12)
    if (std::abs(x - cx) > 6) s.Dot({x, shoulder - 5}, 1.8);
  // The eye slits.
  for (int side = -1; side <= 1; side += 2) {
    const double inner = cx + side * 8, outer = cx + side * 27;
    s.Fill({{inner, 46}, {outer, 45}, {outer, 53}, {inner, 54}});
  }
  // Breathing holes in a cross of five on each side.
  for (int side = -1; side <= 1; side += 2) {
    const PointF c{cx + side * 17, 74};
    for (PointF d : {PointF{0, 0}, PointF{-6, 0}, PointF{6, 0}, PointF{0, -6}, PointF{0, 6}})
      s.Dot({c.x + d.x, c.y + d.y}, 2);
  }
}

// A heater shield, quartered, with a rim.
void Shield(Sketch& s, double cx) {
  const double half = 38, top = 8, tip = 101;
  const Path outline = Join(
      Curve({cx - half, top + 3}, {cx - 12, top - 3}, {cx + 12, top - 3}, {cx + half, top + 3}),
      Join(Curve({cx + half, top + 3}, {cx + half, 60}, {cx + 22, 86}, {cx, tip}),
           Curve({cx, tip}, {cx - 22, 86}, {cx - half, 60}, {cx - half, top + 3})));
  s.Solid(outline, kBold);
  const Path field = Scaled(outline, {cx, 47}, 0.8, 0.84);
  s.Outline(field, kThin);
  const double middle = 44;
  s.Hatch(field, kShade, Box(cx - 50, 0, cx, middle));
  s.Hatch(field, kShade, Box(cx, middle, cx + 50, 110));
  s.Line({{cx, 14}, {cx, 92}}, kPen);
  s.Line({{cx - 31, middle}, {cx + 31, middle}}, kPen);
  s.Solid(Circle({cx, middle}, 7), kPen);
  s.Dot({cx, middle}, 2.2);
}

// A finger of plates pointing up from (x, base) to `tip`, with its joints,
// leaning `lean` degrees to the right.
void Finger(Sketch& s, double x, double tip, double base, double width, double lean = 0) {
  const double r = width / 2;
  const PointF pivot{x, base};
  const Path outline = Join(Arc({x, tip + r}, r, r, 180, 360, 16), {{x + r, base}, {x - r, base}});
  s.Solid(Turned(outline, pivot, lean), kThin);
  for (double y = tip + r + 5; y < base - 3; y += 8)
    s.Line(Turned({{x - r, y}, {x + r, y + 1}}, pivot, lean), 1.6);
}

// An armoured gauntlet, fingers up: plated fingers and thumb, the back of the
// hand and a flared cuff.
void Gauntlet(Sketch& s, double cx) {
  // The thumb, out to the left, and the fingers.
  Finger(s, cx - 18, 38, 72, 12, -50);
  const double xs[] = {-16.5, -5.5, 5.5, 16.5};
  const double tips[] = {16, 8, 10, 20};
  for (int i = 0; i < 4; ++i) Finger(s, cx + xs[i], tips[i], 50, 10.5);
  // The back of the hand.
  const Path hand = Join(Curve({cx - 23, 48}, {cx - 10, 41}, {cx + 10, 41}, {cx + 23, 48}, 16),
                         {{cx + 22, 76}, {cx - 22, 76}});
  s.Solid(hand, kPen);
  s.Line(Curve({cx - 22, 59}, {cx - 8, 54}, {cx + 8, 54}, {cx + 22, 59}, 16), kThin);
  s.Line(Curve({cx - 22, 68}, {cx - 8, 64}, {cx + 8, 64}, {cx + 22, 68}, 16), kThin);
  for (double x : {cx - 15.0, cx, cx + 15.0}) s.Dot({x, 49}, 1.8);
  // The cuff.
  const Path cuff = Join({{cx - 21, 74}, {cx + 21, 74}},
                         Curve({cx + 31, 101}, {cx + 12, 104}, {cx - 12, 104}, {cx - 31, 101}, 16));
  s.Solid(cuff, kPen);
  s.Hatch(cuff, kAcross, Box(cx + 10, 70, cx + 40, 110));
  s.Line(Curve({cx - 24, 83}, {cx - 8, 86}, {cx + 8, 86}, {cx + 24, 83}, 16), kThin);
  s.Line(Curve({cx - 28, 92}, {cx - 8, 95}, {cx + 8, 95}, {cx + 28, 92}, 16), kThin);
}

void ArmourBanner(Sketch& s) {
  Helmet(s, 52);
  Gauntlet(s, 247);
  Shield(s, 148);
}

// --- 2: spiked mace, arrows and sling stones -------------------------------

// A mace from the end of its shaft to the middle of its head.
void Mace(Sketch& s, PointF end, PointF head) {
  // The shaft with a wrapped grip and a knob at the end.
  const Path shaft{Between(end, head, 0.02), Between(end, head, 0.8)};
  s.Solid(Band(shaft, 9, 8), kPen);
  s.Hatch(Band({Between(end, head, 0.06), Between(end, head, 0.4)}, 9, 9), {-45, 4.4, 2.0});
  s.Solid(Circle(end, 6.5), kPen);
  s.Solid(Band({Between(end, head, 0.7), Between(end, head, 0.78)}, 14, 14), kThin);
  // The head: a ball ringed with spikes.
  const double turn = std::atan2(head.y - end.y, head.x - end.x) * 180 / kPi;
  for (int i = 0; i < 8; ++i) {
    const double a = (turn + 22.5 + 45 * i) * kPi / 180, spread = 0.36;
    const auto at = [&](double r, double da) {
      return PointF{head.x + r * std::cos(a + da), head.y + r * std::sin(a + da)};
    };
    s.Fill({at(15, -spread), at(32, 0), at(15, spread)});
  }
  const Path ball = Circle(head, 17);
  s.Solid(ball, kBold);
  s.Hatch(ball, kShade, Crescent(head, 17, {-7, -7}));
  s.Dot({head.x - 6, head.y - 6}, 3.5, kPaper);
}

// An arrow from the nock at `tail` to the point at `point`: fletched shaft,
// black head.
void Arrow(Sketch& s, PointF tail, PointF point) {
  const double length = std::hypot(point.x - tail.x, point.y - tail.y);
  const PointF along{(point.x - tail.x) / length, (point.y - tail.y) / length};
  const PointF side{-along.y, along.x};
  const auto at = [&](double a, double b) {
    return PointF{tail.x + along.x * a + side.x * b, tail.y + along.y * a + side.y * b};
  };
  s.Line({at(0, 0), at(length - 14, 0)}, kThin + 0.4);
  s.Fill({at(length - 18, -6.5), at(length, 0), at(length - 18, 6.5), at(length - 14, 0)});
  for (int k = -1; k <= 1; k += 2) s.Fill({at(4, 0), at(1, k * 6.5), at(17, k * 6.5), at(24, 0)});
  s.Line({at(2, 0), at(22, 0)}, 1.2, kPaper);
  s.Line({at(-3, -3), at(0, 0), at(-3, 3)}, 1.8);
}

void WeaponBanner(Sketch& s) {
  Mace(s, {26, 96}, {96, 32});
  // Sling stones, back to front: dark pebbles lit from the upper left.
  const struct {
    PointF c;
    double rx, ry;
  } stones[] = {{{138, 73}, 10, 8}, {{164, 77}, 11, 8.5}, {{124, 92}, 12, 9}, {{152, 95}, 11, 8.5}};
  uint32_t seed = 3;
  for (const auto& st : stones) {
    const Path stone = Pebble(st.c, st.rx, st.ry, seed++);
    s.Fill(stone);
    s.Outline(stone, kPen);
    s.Fill(Pebble({st.c.x - st.rx * 0.25, st.c.y - st.ry * 0.3}, st.rx * 0.7, st.ry * 0.62, seed),
           kPaper);
  }
  Arrow(s, {186, 100}, {232, 8});
  Arrow(s, {207, 101}, {264, 12});
  Arrow(s, {228, 101}, {291, 32});
}

// --- 3: cut gemstone and chain with a hook --------------------------------

// A brilliant seen from the side: the crown from the table down to the
// girdle, the pavilion down to the culet.
void Gem(Sketch& s, double left, double right, double table, double girdle, double culet) {
  const double cx = (left + right) / 2, w = right - left;
  const double t0 = left + w * 0.25, t1 = right - w * 0.25;
  const Path outline{{t0, table}, {t1, table}, {right, girdle}, {cx, culet}, {left, girdle}};
  s.Solid(outline, kBold);
  // The crown: a zigzag between the table and the girdle.
  const PointF g1{left + w * 0.37, girdle}, g2{right - w * 0.37, girdle};
  s.Fill({{t0, table}, {cx, table}, g1});
  s.Hatch({{cx, table}, {t1, table}, g2}, kShade);
  s.Line({{left, girdle}, {t0, table}, g1, {cx, table}, g2, {t1, table}, {right, girdle}}, kThin);
  s.Line({{left, girdle}, {right, girdle}}, kPen);
  // The pavilion: facets running down to the culet, every other one dark.
  const double xs[] = {left, left + w * 0.2, g1.x, g2.x, right - w * 0.2, right};
  for (int i = 0; i + 1 < 6; ++i) {
    const Path facet{{xs[i], girdle}, {xs[i + 1], girdle}, {cx, culet}};
    if (i == 1 || i == 4) s.Fill(facet);
    if (i == 2) s.Hatch(facet, kShadeBack);
    s.Line({{xs[i], girdle}, {cx, culet}}, kThin);
  }
  s.Outline(outline, kBold);
}

// A hook hanging from an eye at `eye`: shank, bend and a point turned up.
void Hook(Sketch& s, PointF eye, double drop, double bend) {
  s.Outline(Circle(eye, 5.5), kPen);
  const PointF shankTop{eye.x, eye.y + 5.5};
  const PointF bendCentre{eye.x - bend, eye.y + drop};
  const Path spine =
      Join(Join({shankTop}, Curve({eye.x, eye.y + 8}, {eye.x, eye.y + drop * 0.6},
                                  {eye.x, eye.y + drop * 0.8}, {eye.x, bendCentre.y}, 8)),
           Arc(bendCentre, bend, bend, 0, 180, 20));
  const Path curl = Join(spine, {{bendCentre.x - bend, bendCentre.y - 8}});
  s.Solid(Band(curl, 8, 4), kThin);
  // The barb at the point.
  const PointF tip = curl.back();
  s.Fill({{tip.x - 3, tip.y + 3}, {tip.x + 1, tip.y - 6}, {tip.x + 6, tip.y + 6}});
}

void JewelBanner(Sketch& s) {
  Gem(s, 16, 128, 12, 40, 102);
  Sparkle(s, {130, 14}, 9);
  Sparkle(s, {12, 72}, 6);
  const Path spine = Curve({146, 18}, {170, 86}, {232, 84}, {262, 26}, 60);
  Chain(s, spine, 11, 2.4);
  Hook(s, {267, 20}, 58, 12);
}

// --- 4: saddle with chains and a sheet of parchment -----------------------

// A saddle seen from the side, facing left: the seat between a low pommel
// and a high cantle, the flap, a stirrup on a chain and a chain hanging in
// front.
void Saddle(Sketch& s) {
  // The flap hanging under the seat.
  const Path flap =
      Join(Join({{50, 40}, {128, 40}}, Curve({128, 40}, {132, 62}, {130, 76}, {120, 80}, 12)),
           Join({{64, 82}}, Curve({64, 82}, {56, 80}, {50, 60}, {50, 40}, 12)));
  s.Solid(flap, kPen);
  s.Hatch(flap, {80, 6.0, 1.5}, Box(0, 40, 70, 110));
  s.Hatch(flap, {80, 6.0, 1.5}, Box(94, 40, 200, 110));
  // The seat between a low pommel (front, left) and a high, rolled cantle.
  const Path top = Join(
      Join({{28, 48}, {24, 32}, {26, 20}, {34, 14}, {44, 16}},
           Curve({44, 16}, {66, 36}, {110, 38}, {134, 18}, 24)),
      Join(Curve({134, 18}, {142, 6}, {156, 0}, {168, 4}, 12), {{166, 10}, {156, 16}, {158, 40}}));
  const Path saddle = Join(top, Curve({158, 40}, {120, 50}, {70, 52}, {28, 48}, 24));
  s.Solid(saddle, kBold);
  s.Hatch(saddle, kShade, Box(0, 0, 38, 110));
  s.Hatch(saddle, kShadeBack, Box(146, 0, 200, 110));
  // The seam under the seat.
  const Path stitch = Resampled(Curve({44, 28}, {70, 46}, {112, 46}, {140, 26}, 24), 5);
  for (std::size_t i = 0; i + 1 < stitch.size(); i += 2) s.Line({stitch[i], stitch[i + 1]}, 1.6);
  // The stirrup on its chain.
  Chain(s, {{82, 46}, {82, 84}}, 7.5, 2.2);
  const Path stirrup = Join(Arc({82, 92}, 11, 8, 180, 360, 24), {{95, 102}, {69, 102}});
  s.Solid(stirrup, kBold);
  s.Fill(Box(66, 99, 98, 104));
  // A chain hanging from the front of the pommel, ending in a ring.
  Chain(s, Curve({24, 30}, {14, 46}, {10, 62}, {10, 78}, 30), 7.5, 2.2);
  s.Outline(Circle({10, 87}, 6), kPen);
}

// A sheet of parchment with rolled ends and lines of writing.
void Parchment(Sketch& s, double left, double right, double top, double bottom) {
  const double roll = 7;
  // The sheet with wavy sides.
  const Path sheet = Join(
      Curve({left, top}, {left - 4, top + 30}, {left + 4, bottom - 30}, {left, bottom}, 16),
      Curve({right, bottom}, {right + 4, bottom - 30}, {right - 4, top + 30}, {right, top}, 16));
  s.Solid(sheet, kPen);
  // Rolled ends.
  for (double y : {top, bottom}) {
    const Path rolled =
        Join(Arc({left, y}, roll, roll, 90, 270, 16), Arc({right, y}, roll, roll, 270, 450, 16));
    s.Solid(rolled, kPen);
    s.Hatch(rolled, kAcross, Box(left - 10, y + 1, right + 10, y + roll + 2));
    s.Outline(Circle({left, y}, roll * 0.45), kThin);
  }
  // Lines of writing: short words of wavy strokes.
  Scatter words(17);
  for (double y = top + 16; y < bottom - 10; y += 9) {
    double x = left + 8;
    while (x < right - 12) {
      const double length = std::min(words.Next(8, 22), right - 8 - x);
      Path stroke;
      for (double u = 0; u <= length; u += 1)
        stroke.push_back({x + u, y + 1.4 * std::sin(u * 1.3)});
      s.Line(stroke, 1.7);
      x += length + 5;
    }
  }
}

void ToolBanner(Sketch& s) {
  Saddle(s);
  Parchment(s, 200, 270, 12, 94);
}

// --- 5: corked flask and a pouch spilling powder --------------------------

// A round-bellied flask of radius r about c, half full, corked.
void Flask(Sketch& s, PointF c, double r) {
  const double neck = 9, top = 14;
  const double a = std::asin(neck / r) * 180 / kPi;
  const Path glass =
      Join({{c.x - neck, top}, {c.x + neck, top}}, Arc(c, r, r, -90 + a, 270 - a, 64));
  s.Solid(glass, kBold);
  // The liquid below its level, with bubbles and a gleam.
  const double level = c.y - 2;
  s.Hatch(glass, kDense, Box(c.x - r - 5, level, c.x + r + 5, c.y + r + 5));
  s.Line({{c.x - std::sqrt(r * r - 4), level}, {c.x + std::sqrt(r * r - 4), level}}, kThin);
  for (PointF b :
       {PointF{c.x + 8, c.y + 12}, PointF{c.x + 15, c.y + 4}, PointF{c.x - 2, c.y + 20}}) {
    s.Dot(b, 3.2, kPaper);
    s.Outline(Circle(b, 3.0), 1.4);
  }
  s.Line(Arc(c, r - 8, r - 8, 195, 245, 16), kPen);
  // The lip and the cork.
  s.Solid(Box(c.x - neck - 3, top - 2, c.x + neck + 3, top + 4), kThin);
  const Path cork{{c.x - neck - 2, 1},
                  {c.x + neck + 2, 1},
                  {c.x + neck - 1, top - 2},
                  {c.x - neck + 1, top - 2}};
  s.Solid(cork, kThin);
  s.Hatch(cork, {90, 3.0, 1.6});
}

// A drawstring pouch lying on its side, its ruffled mouth to the right,
// powder pouring out into a heap.
void Pouch(Sketch& s) {
  // The heap and the stream running into it.
  const Path heapTop = Curve({196, 98}, {214, 82}, {250, 78}, {272, 98}, 24);
  s.Stipple(Join(heapTop, {{196, 98}}), 3.0, 1.25, 5);
  s.Line(heapTop, 1.4);
  s.Stipple({{220, 70}, {232, 64}, {246, 86}, {228, 88}}, 2.8, 1.1, 9);
  // The body, folds running to the neck.
  const Path bag = Join(Join(Curve({198, 54}, {172, 28}, {120, 34}, {118, 64}, 20),
                             Curve({118, 64}, {116, 90}, {150, 98}, {176, 95}, 20)),
                        Curve({176, 95}, {190, 92}, {196, 80}, {198, 68}, 12));
  s.Solid(bag, kBold);
  s.Hatch(bag, kShade, Box(100, 80, 200, 110));
  s.Line(Curve({146, 42}, {168, 44}, {186, 50}, {196, 57}, 12), kThin);
  s.Line(Curve({144, 84}, {166, 80}, {184, 74}, {196, 66}, 12), kThin);
  // The ruffled mouth and the dark opening.
  const Path mouth = Join(Curve({202, 56}, {208, 48}, {214, 40}, {222, 36}, 12),
                          Join(Curve({222, 36}, {232, 48}, {224, 62}, {232, 80}, 16),
                               Curve({232, 80}, {220, 78}, {210, 72}, {202, 68}, 12)));
  s.Solid(mouth, kPen);
  s.Fill(Turned(Arc({224, 58}, 5, 17, 0, 360, 32), {224, 58}, -12));
  s.Line({{206, 54}, {214, 44}}, 1.6);
  s.Line({{206, 70}, {216, 74}}, 1.6);
  // The drawstring wound round the neck, its ends hanging.
  s.Solid(Box(197, 52, 204, 71), kThin);
  s.Line({{197, 58}, {204, 57}}, 1.6);
  s.Line({{197, 65}, {204, 64}}, 1.6);
  s.Line(Curve({199, 70}, {192, 78}, {196, 84}, {186, 92}, 12), kThin);
  s.Line(Curve({201, 70}, {200, 80}, {204, 84}, {198, 92}, 12), kThin);
  s.Dot({186, 92}, 2.6);
  s.Dot({198, 92}, 2.6);
}

void PotionBanner(Sketch& s) {
  Flask(s, {62, 63}, 33);
  Pouch(s);
}

// --- 6: horned monster's head ---------------------------------------------

// A horn from its root to its tip along `spine`, ridged across.
void Horn(Sketch& s, const Path& spine) {
  const double base = 26, tip = 2;
  s.Solid(Band(spine, base, tip), kPen);
  // Ridges across the horn.
  const Path at = Resampled(spine, 6);
  for (std::size_t i = 2; i + 2 < at.size(); ++i) {
    const PointF a = at[i - 1], b = at[i + 1];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const double t = static_cast<double>(i) / static_cast<double>(at.size() - 1);
    const double half = (base * (1 - t) + tip * t) / 2 - 1;
    const PointF n{-(b.y - a.y) / length * half, (b.x - a.x) / length * half};
    s.Line({{at[i].x + n.x, at[i].y + n.y}, {at[i].x - n.x, at[i].y - n.y}}, 2.0);
  }
}

void MonsterBanner(Sketch& s) {
  const double cx = s.width() / 2;
  for (int side = -1; side <= 1; side += 2) {
    const Path spine = Curve({cx - 26, 34}, {cx - 74, 52}, {cx - 112, 40}, {cx - 116, 2}, 40);
    Horn(s, side < 0 ? spine : Mirrored(spine, cx));
    const Path ear{{cx - 36, 48}, {cx - 62, 42}, {cx - 38, 64}};
    s.Solid(side < 0 ? ear : Mirrored(ear, cx), kPen);
  }
  const Path head =
      Join(Join(Curve({cx - 38, 40}, {cx - 36, 10}, {cx + 36, 10}, {cx + 38, 40}, 24),
                Curve({cx + 38, 40}, {cx + 42, 66}, {cx + 30, 88}, {cx + 14, 103}, 20)),
           Curve({cx - 14, 103}, {cx - 30, 88}, {cx - 42, 66}, {cx - 38, 40}, 20));
  s.Solid(head, kBold);
  s.Hatch(head, kShade, Box(cx + 28, 0, cx + 60, 110));
  s.Hatch(head, kShadeBack, Box(cx - 60, 0, cx - 28, 110));
  for (int side = -1; side <= 1; side += 2) {
    const auto x = [&](double dx) { return cx + side * dx; };
    // A dark socket under a heavy brow, a glaring eye in it.
    s.Fill({{x(3), 46}, {x(30), 32}, {x(32), 40}, {x(28), 52}, {x(14), 58}, {x(4), 54}});
    s.Fill({{x(9), 51}, {x(26), 42}, {x(24), 49}, {x(14), 54}}, kPaper);
    s.Dot({x(17), 49}, 2.2);
    // Wrinkles on the forehead.
    s.Line(Curve({x(4), 27}, {x(10), 24}, {x(18), 25}, {x(24), 28}, 8), 1.8);
  }
  // The snout and its nostrils.
  s.Line(Curve({cx - 9, 58}, {cx - 12, 64}, {cx - 13, 70}, {cx - 9, 75}, 8), kThin);
  s.Line(Curve({cx + 9, 58}, {cx + 12, 64}, {cx + 13, 70}, {cx + 9, 75}, 8), kThin);
  s.Fill(Turned(Arc({cx - 5, 72}, 3.4, 2.3, 0, 360, 16), {cx - 5, 72}, 30));
  s.Fill(Turned(Arc({cx + 5, 72}, 3.4, 2.3, 0, 360, 16), {cx + 5, 72}, -30));
  // The open mouth with its fangs.
  const Path mouth = Join(Curve({cx - 26, 78}, {cx - 8, 84}, {cx + 8, 84}, {cx + 26, 78}, 12),
                          Curve({cx + 26, 78}, {cx + 16, 100}, {cx - 16, 100}, {cx - 26, 78}, 12));
  s.Fill(mouth);
  for (int side = -1; side <= 1; side += 2) {
    const auto x = [&](double dx) { return cx + side * dx; };
    s.Fill({{x(10), 82}, {x(19), 81}, {x(14), 96}}, kPaper);
    s.Fill({{x(2), 83}, {x(8), 83}, {x(5), 88}}, kPaper);
    s.Fill({{x(19), 92}, {x(24), 84}, {x(22), 93}}, kPaper);
  }
}

void Draw(Sketch& s, int group) {
  switch (group) {
    case 1: ArmourBanner(s); break;
    case 2: WeaponBanner(s); break;
    case 3: JewelBanner(s); break;
    case 4: ToolBanner(s); break;
    case 5: PotionBanner(s); break;
    case 6: MonsterBanner(s); break;
  }
}

}  // namespace

Canvas DrawItemBanner(int group) {
  if (group < 1 || group > qv::kItemBannerGroups)
    throw std::runtime_error("no item banner " + std::to_string(group));
  const qv::ItemBannerSize size = qv::kItemBannerSizes[group - 1];
  // How much wider than tall one pixel is seen.
  const double aspect = (kShownWidth / size.width) / (kShownHeight / size.height);
  Sketch sketch(size.width, size.height, aspect);
  Draw(sketch, group);
  return sketch.canvas();
}

void WriteItemBanners(const std::string& directory) {
  for (int group = 1; group <= qv::kItemBannerGroups; ++group)
    WritePbm(DrawItemBanner(group), directory + "/item_banner_" + std::to_string(group) + ".pbm");
}

}  // namespace assetgen
