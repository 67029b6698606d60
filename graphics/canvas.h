// A one-bit drawing surface with the simple shapes pictures are drawn from:
// tools/assetgen draws the pictures of assets/ on it.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "graphics/label_font.h"
#include "graphics/mono_bitmap.h"

namespace qv {

// What a pixel of a canvas holds.
enum class Tone : uint8_t { kPaper, kInk };
inline constexpr Tone kPaper = Tone::kPaper;  // white
inline constexpr Tone kInk = Tone::kInk;      // black

struct PointF {
  double x = 0;
  double y = 0;
};

// Row 0 at the top; a new canvas is all paper. Drawing outside the surface
// is clipped.
class Canvas {
 public:
  Canvas(int width, int height);

  int width() const { return ink_.width(); }
  int height() const { return ink_.height(); }

  Tone At(int x, int y) const { return ink_.Get(x, y) ? kInk : kPaper; }
  void Put(int x, int y, Tone tone) {
    if (x >= 0 && y >= 0 && x < width() && y < height()) ink_.Set(x, y, tone == kInk);
  }

  // The pixels x0 <= x < x1, y0 <= y < y1.
  void FillRect(int x0, int y0, int x1, int y1, Tone tone);
  // Pixels whose centre lies inside the polygon (even-odd rule).
  void FillPolygon(const std::vector<PointF>& corners, Tone tone);
  // Pixels whose centre lies within `radius` of (cx, cy).
  void Disc(double cx, double cy, double radius, Tone tone);
  // A pen of the given radius dragged along the path's points.
  void Stroke(const std::vector<PointF>& path, double radius, Tone tone);
  // The text's glyphs with the pen starting at (x, baseline); `tracking` is
  // extra space in pixels after every character but the last (LayOutText).
  void Text(const LabelFont& font, int x, int baseline, std::u32string_view text, int tracking,
            Tone tone);

  // The picture: a set bit is ink. PbmFile() and a BMP file with the palette
  // white, black take it as it is.
  const MonoBitmap& ink() const { return ink_; }

 private:
  MonoBitmap ink_;
};

}  // namespace qv
