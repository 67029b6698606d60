#include "sketch.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

Sketch::Sketch(int width, int height, double aspect) : canvas_(width, height), aspect_(aspect) {}

Path Sketch::OnCanvas(const Path& path) const {
  Path points;
  points.reserve(path.size());
  for (const PointF& p : path) points.push_back(OnCanvas(p));
  return points;
}

void Sketch::Stamp(PointF c, double radius, Tone value) {
  const double rx = radius / aspect_;
  const int x0 = static_cast<int>(std::floor(c.x - rx));
  const int x1 = static_cast<int>(std::ceil(c.x + rx));
  const int y0 = static_cast<int>(std::floor(c.y - radius));
  const int y1 = static_cast<int>(std::ceil(c.y + radius));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const double dx = (x + 0.5 - c.x) * aspect_, dy = y + 0.5 - c.y;
      if (dx * dx + dy * dy <= radius * radius) canvas_.Put(x, y, value);
    }
}

Canvas Sketch::Inside(const Path& outline) const {
  Canvas inside(canvas_.width(), canvas_.height());
  inside.FillPolygon(OnCanvas(outline), kInk);
  return inside;
}

void Sketch::Fill(const Path& outline, Tone value) {
  canvas_.FillPolygon(OnCanvas(outline), value);
}

void Sketch::Line(const Path& path, double pen, Tone value) {
  const double radius = pen / 2;
  for (std::size_t i = 0; i < path.size(); ++i) {
    Stamp(OnCanvas(path[i]), radius, value);
    if (i + 1 == path.size()) break;
    // Stamps a quarter unit apart close the gap to the next point.
    const PointF a = path[i], b = path[i + 1];
    const int steps = static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) * 4);
    for (int s = 1; s < steps; ++s)
      Stamp(OnCanvas(Between(a, b, static_cast<double>(s) / steps)), radius, value);
  }
}

void Sketch::Outline(const Path& outline, double pen, Tone value) {
  if (outline.empty()) return;
  Path closed = outline;
  closed.push_back(outline.front());
  Line(closed, pen, value);
}

void Sketch::Solid(const Path& outline, double pen) {
  Fill(outline, kPaper);
  Outline(outline, pen);
}

void Sketch::Dot(PointF centre, double radius, Tone value) {
  Stamp(OnCanvas(centre), radius, value);
}

void Sketch::Hatch(const Path& outline, const Hatching& hatching, const Path& clip, Tone value) {
  const Canvas inside = Inside(outline);
  const Canvas clipped = clip.empty() ? inside : Inside(clip);
  const double a = hatching.degrees * kPi / 180, sine = std::sin(a), cosine = std::cos(a);
  for (int y = 0; y < canvas_.height(); ++y)
    for (int x = 0; x < canvas_.width(); ++x) {
      if (inside.At(x, y) != kInk || clipped.At(x, y) != kInk) continue;
      // The distance across the lines, from a line through the origin.
      const double across = -(x + 0.5) * aspect_ * sine + (y + 0.5) * cosine;
      const double offset = across - hatching.spacing * std::floor(across / hatching.spacing);
      if (offset < hatching.pen) canvas_.Put(x, y, value);
    }
}

void Sketch::Stipple(const Path& outline, double spacing, double radius, uint32_t seed) {
  if (outline.empty()) return;
  double left = outline[0].x, right = left, top = outline[0].y, bottom = top;
  for (const PointF& p : outline) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  const Canvas inside = Inside(outline);
  Scatter jitter(seed);
  for (double y = top; y < bottom; y += spacing)
    for (double x = left; x < right; x += spacing) {
      const PointF p{x + jitter.Next(0, spacing), y + jitter.Next(0, spacing)};
      const PointF c = OnCanvas(p);
      const int px = static_cast<int>(c.x), py = static_cast<int>(c.y);
      if (px >= 0 && py >= 0 && px < canvas_.width() && py < canvas_.height() &&
          inside.At(px, py) == kInk)
        Dot(p, radius);
    }
}

}  // namespace assetgen
