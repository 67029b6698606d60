#include "icon.h"

#include <algorithm>
#include <cmath>

#include "drawing.h"
#include "paths.h"

namespace assetgen {
namespace {

struct Colour {
  double r, g, b;
};

constexpr Colour kOutline{74, 47, 20};  // dark brown
constexpr Colour kParchment{244, 230, 188};
constexpr Colour kRoll{217, 188, 126};  // the rolled parchment, in shade
constexpr Colour kWriting{107, 85, 56};
constexpr Colour kSeal{179, 38, 30};
constexpr Colour kSealRim{110, 20, 16};

// Each pixel is drawn as 4 x 4 one-bit samples; their share of ink is the
// pixel's coverage.
constexpr int kSamples = 4;
// The drawing is laid out on a 48 x 48 grid of units.
constexpr double kUnits = 48;

// Paints shapes in colour, one over the other, onto a transparent square.
class Painting {
 public:
  explicit Painting(int size) : size_(size), rgba_(size * size * 4, 0.0) {}

  int size() const { return size_; }

  void Fill(const Path& outline, Colour colour) {
    Canvas mask = Mask();
    Path onMask;
    for (const PointF& p : outline) onMask.push_back(OnMask(p));
    mask.FillPolygon(onMask, kInk);
    Lay(mask, colour);
  }

  // A round pen along the path, `pen` units wide rounded to whole pixels,
  // at least one.
  void Line(const Path& path, double pen, Colour colour) {
    Canvas mask = Mask();
    Path onMask;
    for (const PointF& p : path) onMask.push_back(OnMask(p));
    mask.Stroke(onMask, PenPixels(pen) * kSamples / 2.0, kInk);
    Lay(mask, colour);
  }

  // The place nearest to `units` where a straight line of that pen covers
  // whole pixels: a pixel's centre for an odd width, its edge for an even.
  double Crisp(double units, double pen) const {
    const double pixels = units * size_ / kUnits, half = PenPixels(pen) % 2 == 1 ? 0.5 : 0;
    return (std::round(pixels - half) + half) * kUnits / size_;
  }

  void Outline(Path outline, double pen, Colour colour) {
    outline.push_back(outline.front());
    Line(outline, pen, colour);
  }

  ColourImage Image() const {
    ColourImage image{size_, {}};
    for (int i = 0; i < size_ * size_; ++i) {
      const double* p = &rgba_[i * 4];
      const double a = p[3];
      const auto channel = [a](double premultiplied) {
        return static_cast<uint8_t>(std::lround(a > 0 ? premultiplied / a : 0));
      };
      image.pixels.push_back({channel(p[0]), channel(p[1]), channel(p[2]),
                              static_cast<uint8_t>(std::lround(a * 255))});
    }
    return image;
  }

 private:
  int PenPixels(double pen) const {
    return std::max(1, static_cast<int>(std::lround(pen * size_ / kUnits)));
  }
  Canvas Mask() const { return Canvas(size_ * kSamples, size_ * kSamples); }
  PointF OnMask(PointF p) const {
    const double scale = size_ * kSamples / kUnits;
    return {p.x * scale, p.y * scale};
  }

  // The colour over what is there, by each pixel's coverage (premultiplied).
  void Lay(const Canvas& mask, Colour colour) {
    for (int y = 0; y < size_; ++y)
      for (int x = 0; x < size_; ++x) {
        int ink = 0;
        for (int sy = 0; sy < kSamples; ++sy)
          for (int sx = 0; sx < kSamples; ++sx)
            ink += mask.At(x * kSamples + sx, y * kSamples + sy) == kInk;
        const double c = static_cast<double>(ink) / (kSamples * kSamples);
        double* p = &rgba_[(y * size_ + x) * 4];
        p[0] = colour.r * c + p[0] * (1 - c);
        p[1] = colour.g * c + p[1] * (1 - c);
        p[2] = colour.b * c + p[2] * (1 - c);
        p[3] = c + p[3] * (1 - c);
      }
  }

  int size_;
  std::vector<double> rgba_;  // premultiplied r, g, b (0..255) and a (0..1)
};

// A rolled end of the scroll: a cylinder lying across from `left` to
// `right`, `top` to `top + 7`, its round ends showing.
void Roll(Painting& p, double left, double right, double top) {
  const double r = 3.5, cy = top + r;
  const Path body = Join(Ellipse(left + r, cy, r, r, kPi / 2, 3 * kPi / 2),
                         Ellipse(right - r, cy, r, r, -kPi / 2, kPi / 2));
  p.Fill(body, kRoll);
  p.Outline(body, 1.6, kOutline);
  // The spiral of the rolled edge at each end, where there is room for it.
  if (p.size() >= 24)
    for (double x : {left + r, right - r}) p.Outline(Ellipse(x, cy, 1.4, 1.8), 1.0, kOutline);
}

}  // namespace

ColourImage DrawIcon(int size) {
  Painting p(size);
  constexpr double kEdge = 1.6;
  const Path sheet =
      Box(p.Crisp(11, kEdge), p.Crisp(10, kEdge), p.Crisp(37, kEdge), p.Crisp(39, kEdge));
  p.Fill(sheet, kParchment);
  p.Outline(sheet, kEdge, kOutline);

  // Lines of writing: three, or two on the smallest icons.
  struct Writing {
    double y, right;
  };
  const std::vector<Writing> lines = size >= 24
                                         ? std::vector<Writing>{{17, 33}, {22.5, 31}, {28, 26}}
                                         : std::vector<Writing>{{18, 33}, {25, 28}};
  for (const Writing& w : lines) {
    const double y = p.Crisp(w.y, 2);
    p.Line({{15, y}, {w.right, y}}, 2, kWriting);
  }

  Roll(p, 6, 42, 4);
  Roll(p, 6, 42, 36);

  // The seal, hanging over the lower roll.
  p.Fill(Ellipse(33, 36, 5.5, 5.5), kSeal);
  p.Outline(Ellipse(33, 36, 5.5, 5.5), 1.4, kSealRim);
  if (size >= 24) p.Outline(Ellipse(33, 36, 2.6, 2.6), 1.0, kSealRim);
  return p.Image();
}

}  // namespace assetgen
