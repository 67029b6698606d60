#include "graphics/canvas.h"

#include <algorithm>
#include <cmath>

namespace qv {

Canvas::Canvas(int width, int height) : ink_(width, height) {}

void Canvas::FillRect(int x0, int y0, int x1, int y1, Tone tone) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, width());
  y1 = std::min(y1, height());
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) ink_.Set(x, y, tone == kInk);
}

void Canvas::FillPolygon(const std::vector<PointF>& corners, Tone tone) {
  if (corners.size() < 3) return;
  double top = corners[0].y, bottom = corners[0].y;
  for (const PointF& p : corners) {
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  const int yFirst = std::max(0, static_cast<int>(std::floor(top)));
  const int yLast = std::min(height() - 1, static_cast<int>(std::ceil(bottom)));
  std::vector<double> crossings;
  for (int y = yFirst; y <= yLast; ++y) {
    const double cy = y + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < corners.size(); ++i) {
      const PointF& a = corners[i];
      const PointF& b = corners[(i + 1) % corners.size()];
      if ((a.y <= cy) == (b.y <= cy)) continue;
      crossings.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      // Pixel x is inside when its centre x + 0.5 lies between the crossings.
      const int x0 = static_cast<int>(std::ceil(crossings[i] - 0.5));
      const int x1 = static_cast<int>(std::ceil(crossings[i + 1] - 0.5));
      FillRect(x0, y, x1, y + 1, tone);
    }
  }
}

void Canvas::Disc(double cx, double cy, double radius, Tone tone) {
  const int x0 = static_cast<int>(std::floor(cx - radius));
  const int x1 = static_cast<int>(std::ceil(cx + radius));
  const int y0 = static_cast<int>(std::floor(cy - radius));
  const int y1 = static_cast<int>(std::ceil(cy + radius));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      if (dx * dx + dy * dy <= radius * radius) Put(x, y, tone);
    }
}

void Canvas::Stroke(const std::vector<PointF>& path, double radius, Tone tone) {
  for (std::size_t i = 0; i < path.size(); ++i) {
    Disc(path[i].x, path[i].y, radius, tone);
    if (i + 1 == path.size()) break;
    // Fill the gap to the next point in steps of a quarter pixel.
    const PointF a = path[i], b = path[i + 1];
    const int steps = static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) * 4);
    for (int s = 1; s < steps; ++s) {
      const double t = static_cast<double>(s) / steps;
      Disc(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, radius, tone);
    }
  }
}

void Canvas::Text(const LabelFont& font, int x, int baseline, std::u32string_view text,
                  int tracking, Tone tone) {
  LayOutText(font, text, tracking, [&](const Glyph& glyph, int left, int top) {
    for (int row = 0; row < glyph.rows; ++row)
      for (int col = 0; col < glyph.width; ++col)
        if (glyph.Ink(col, row)) Put(x + left + col, baseline + top + row, tone);
  });
}

}  // namespace qv
