// Paths the pictures are drawn from (lists of points, y growing downwards),
// and a fixed pseudo-random sequence for scattered marks.
#pragma once

#include <cstdint>
#include <numbers>
#include <vector>

#include "drawing.h"

namespace assetgen {

inline constexpr double kPi = std::numbers::pi;

using Path = std::vector<PointF>;

// The points of an elliptic arc from angle `from` to `to` (radians; 0 points
// right, pi / 2 down), steps + 1 of them.
Path Ellipse(double cx, double cy, double rx, double ry, double from = 0, double to = 2 * kPi,
             int steps = 48);
// The same in degrees, which the item banners are drawn with.
Path Arc(PointF centre, double rx, double ry, double fromDegrees, double toDegrees, int steps = 48);
// A cubic Bezier curve from a to d with control points b and c.
Path Curve(PointF a, PointF b, PointF c, PointF d, int steps = 32);

// `path` followed by the points of `more`.
Path Join(Path path, const Path& more);
// The points in reverse order.
Path Reversed(Path path);
// Moved by (dx, dy).
Path Moved(Path path, double dx, double dy);
// Turned about `centre` by `degrees` (clockwise on the picture, as y grows
// downwards).
Path Turned(Path path, PointF centre, double degrees);
// Scaled about `centre` by fx across and fy down.
Path Scaled(Path path, PointF centre, double fx, double fy);
// Mirrored about the vertical line x = axis.
Path Mirrored(Path path, double axis);
// Points `step` apart along the path (measured along it), from its first
// point; the last point is kept when the rest is shorter than `step`.
Path Resampled(const Path& path, double step);
// A rectangle's corners.
Path Box(double left, double top, double right, double bottom);
// The closed outline of a strip along `spine` whose width runs evenly from
// `startWidth` to `endWidth` (a horn, a handle).
Path Band(const Path& spine, double startWidth, double endWidth);
// The point a fraction t along the straight line from a to b.
PointF Between(PointF a, PointF b, double t);

// A small fixed pseudo-random sequence, so that every run draws the same
// scattered marks.
class Scatter {
 public:
  explicit Scatter(uint32_t seed) : state_(seed) {}
  double Next(double low, double high) {
    state_ = state_ * 1664525u + 1013904223u;
    return low + (high - low) * ((state_ >> 8) / 16777216.0);
  }

 private:
  uint32_t state_;
};

}  // namespace assetgen
