// A grey-level drawing surface for the pictures the tool makes, with the
// simple shapes they are drawn from and one-bit output.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

inline constexpr uint8_t kInk = 0;      // black
inline constexpr uint8_t kPaper = 255;  // white

struct PointF {
  double x = 0;
  double y = 0;
};

// 8 bits per pixel, 0 black to 255 white, row 0 at the top. Drawing outside
// the surface is clipped.
class Canvas {
 public:
  Canvas(int width, int height, uint8_t fill = kPaper);

  int width() const { return width_; }
  int height() const { return height_; }

  uint8_t At(int x, int y) const { return pixels_[Index(x, y)]; }
  void Put(int x, int y, uint8_t value) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[Index(x, y)] = value;
  }

  // The pixels x0 <= x < x1, y0 <= y < y1.
  void FillRect(int x0, int y0, int x1, int y1, uint8_t value);
  // Pixels whose centre lies inside the polygon (even-odd rule).
  void FillPolygon(const std::vector<PointF>& corners, uint8_t value);
  // Pixels whose centre lies within `radius` of (cx, cy).
  void Disc(double cx, double cy, double radius, uint8_t value);
  // A pen of the given radius dragged along the path's points.
  void Stroke(const std::vector<PointF>& path, double radius, uint8_t value);

  // One-bit rows as a device-independent bitmap holds them: bottom row
  // first, each row padded to a multiple of 4 bytes, leftmost pixel in the
  // high bit; dark pixels (below mid-grey) give a set bit.
  std::vector<uint8_t> PackDibRows() const;
  // A binary PBM (P4) image; throws std::runtime_error when it cannot be written.
  void WritePbm(const std::string& fileName) const;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  bool Dark(int x, int y) const { return At(x, y) < 128; }

  int width_;
  int height_;
  std::vector<uint8_t> pixels_;
};

}  // namespace assetgen
