#include "paths.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

Path Ellipse(double cx, double cy, double rx, double ry, double from, double to, int steps) {
  Path points;
  for (int i = 0; i <= steps; ++i) {
    const double a = from + (to - from) * i / steps;
    points.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  return points;
}

Path Arc(PointF centre, double rx, double ry, double fromDegrees, double toDegrees, int steps) {
  return Ellipse(centre.x, centre.y, rx, ry, fromDegrees * kPi / 180, toDegrees * kPi / 180, steps);
}

Path Curve(PointF a, PointF b, PointF c, PointF d, int steps) {
  Path points;
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps, u = 1 - t;
    const double wa = u * u * u, wb = 3 * u * u * t, wc = 3 * u * t * t, wd = t * t * t;
    points.push_back(
        {wa * a.x + wb * b.x + wc * c.x + wd * d.x, wa * a.y + wb * b.y + wc * c.y + wd * d.y});
  }
  return points;
}

Path Join(Path path, const Path& more) {
  path.insert(path.end(), more.begin(), more.end());
  return path;
}

Path Reversed(Path path) {
  std::reverse(path.begin(), path.end());
  return path;
}

Path Moved(Path path, double dx, double dy) {
  for (PointF& p : path) p = {p.x + dx, p.y + dy};
  return path;
}

Path Turned(Path path, PointF centre, double degrees) {
  const double a = degrees * kPi / 180, c = std::cos(a), s = std::sin(a);
  for (PointF& p : path) {
    const double x = p.x - centre.x, y = p.y - centre.y;
    p = {centre.x + x * c - y * s, centre.y + x * s + y * c};
  }
  return path;
}

Path Scaled(Path path, PointF centre, double fx, double fy) {
  for (PointF& p : path) p = {centre.x + (p.x - centre.x) * fx, centre.y + (p.y - centre.y) * fy};
  return path;
}

Path Mirrored(Path path, double axis) {
  for (PointF& p : path) p.x = 2 * axis - p.x;
  return path;
}

Path Resampled(const Path& path, double step) {
  Path points;
  if (path.empty()) return points;
  points.push_back(path.front());
  double carried = 0;  // distance walked since the last point taken
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    const PointF a = path[i], b = path[i + 1];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    double at = step - carried;
    while (at <= length) {
      points.push_back(Between(a, b, at / length));
      at += step;
    }
    carried = length - (at - step);
  }
  if (carried > 0) points.push_back(path.back());
  return points;
}

Path Box(double left, double top, double right, double bottom) {
  return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

Path Band(const Path& spine, double startWidth, double endWidth) {
  Path left, right;
  const std::size_t n = spine.size();
  for (std::size_t i = 0; i < n; ++i) {
    // The direction along the spine at this point, from its neighbours.
    const PointF& a = spine[i == 0 ? 0 : i - 1];
    const PointF& b = spine[i + 1 == n ? i : i + 1];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (length == 0) continue;
    const double t = n > 1 ? static_cast<double>(i) / static_cast<double>(n - 1) : 0;
    const double half = (startWidth + (endWidth - startWidth) * t) / 2;
    const double nx = -(b.y - a.y) / length * half, ny = (b.x - a.x) / length * half;
    left.push_back({spine[i].x + nx, spine[i].y + ny});
    right.push_back({spine[i].x - nx, spine[i].y - ny});
  }
  return Join(left, Reversed(right));
}

PointF Between(PointF a, PointF b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

}  // namespace assetgen
