#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace assetgen {

Canvas::Canvas(int width, int height, uint8_t fill) : width_(width), height_(height) {
  if (width < 1 || height < 1) throw std::runtime_error("empty canvas");
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

void Canvas::FillRect(int x0, int y0, int x1, int y1, uint8_t value) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, width_);
  y1 = std::min(y1, height_);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) pixels_[Index(x, y)] = value;
}

void Canvas::FillPolygon(const std::vector<PointF>& corners, uint8_t value) {
  if (corners.size() < 3) return;
  double top = corners[0].y, bottom = corners[0].y;
  for (const PointF& p : corners) {
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  const int yFirst = std::max(0, static_cast<int>(std::floor(top)));
  const int yLast = std::min(height_ - 1, static_cast<int>(std::ceil(bottom)));
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
      FillRect(x0, y, x1, y + 1, value);
    }
  }
}

void Canvas::Disc(double cx, double cy, double radius, uint8_t value) {
  const int x0 = static_cast<int>(std::floor(cx - radius));
  const int x1 = static_cast<int>(std::ceil(cx + radius));
  const int y0 = static_cast<int>(std::floor(cy - radius));
  const int y1 = static_cast<int>(std::ceil(cy + radius));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      if (dx * dx + dy * dy <= radius * radius) Put(x, y, value);
    }
}

void Canvas::Stroke(const std::vector<PointF>& path, double radius, uint8_t value) {
  for (std::size_t i = 0; i < path.size(); ++i) {
    Disc(path[i].x, path[i].y, radius, value);
    if (i + 1 == path.size()) break;
    // Fill the gap to the next point in steps of a quarter pixel.
    const PointF a = path[i], b = path[i + 1];
    const int steps = static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) * 4);
    for (int s = 1; s < steps; ++s) {
      const double t = static_cast<double>(s) / steps;
      Disc(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, radius, value);
    }
  }
}

std::vector<uint8_t> Canvas::PackDibRows() const {
  const std::size_t rowBytes = static_cast<std::size_t>((width_ + 31) / 32 * 4);
  std::vector<uint8_t> out(rowBytes * static_cast<std::size_t>(height_), 0);
  for (int y = 0; y < height_; ++y) {
    uint8_t* row = out.data() + static_cast<std::size_t>(height_ - 1 - y) * rowBytes;
    for (int x = 0; x < width_; ++x)
      if (Dark(x, y)) row[x >> 3] |= static_cast<uint8_t>(0x80u >> (x & 7));
  }
  return out;
}

void Canvas::WritePbm(const std::string& fileName) const {
  std::ofstream out(fileName, std::ios::binary);
  if (!out) throw std::runtime_error("cannot create " + fileName);
  out << "P4\n" << width_ << ' ' << height_ << '\n';
  std::vector<char> row(static_cast<std::size_t>((width_ + 7) / 8));
  for (int y = 0; y < height_; ++y) {
    std::fill(row.begin(), row.end(), 0);
    for (int x = 0; x < width_; ++x)
      if (Dark(x, y)) row[static_cast<std::size_t>(x >> 3)] |= static_cast<char>(0x80u >> (x & 7));
    out.write(row.data(), static_cast<std::streamsize>(row.size()));
  }
  if (!out.flush()) throw std::runtime_error("cannot write " + fileName);
}

}  // namespace assetgen
