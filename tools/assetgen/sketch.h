// Drawing in the units a picture is seen in. The document shows every item
// banner at one fixed size whatever its pixel size, so a banner's pixel may
// be seen wider or narrower than tall. A Sketch takes points in units of a
// pixel's height and squeezes x by the pixel's aspect (seen width over seen
// height) onto its canvas, so that a circle drawn here is round on paper.
#pragma once

#include <cstdint>

#include "drawing.h"
#include "paths.h"

namespace assetgen {

// Parallel lines `pen` wide and `spacing` apart (both in units), turned
// `degrees` clockwise from the horizontal.
struct Hatching {
  double degrees;
  double spacing;
  double pen;
};

class Sketch {
 public:
  // A white canvas of width x height pixels whose pixels are seen `aspect`
  // times as wide as tall.
  Sketch(int width, int height, double aspect);

  // The size in sketch units.
  double width() const { return canvas_.width() * aspect_; }
  double height() const { return canvas_.height(); }
  const Canvas& canvas() const { return canvas_; }

  // The inside of a closed outline (even-odd rule).
  void Fill(const Path& outline, Tone value = kInk);
  // A round pen `pen` units wide dragged along the path.
  void Line(const Path& path, double pen, Tone value = kInk);
  // The outline drawn closed.
  void Outline(const Path& outline, double pen, Tone value = kInk);
  // White inside a black outline: a thing that hides what lies behind it.
  void Solid(const Path& outline, double pen);
  void Dot(PointF centre, double radius, Tone value = kInk);
  // Parallel lines inside the outline and, when `clip` is not empty, also
  // inside `clip`.
  void Hatch(const Path& outline, const Hatching& hatching, const Path& clip = {},
             Tone value = kInk);
  // Dots of `radius` about `spacing` apart inside the outline: one a square
  // of a grid, moved within it by an amount drawn from `seed`.
  void Stipple(const Path& outline, double spacing, double radius, uint32_t seed);

 private:
  PointF OnCanvas(PointF p) const { return {p.x / aspect_, p.y}; }
  Path OnCanvas(const Path& path) const;
  // The pixels whose centre lies within `radius` units of the canvas point c.
  void Stamp(PointF c, double radius, Tone value);
  // A canvas on which the outline's inside is ink.
  Canvas Inside(const Path& outline) const;

  Canvas canvas_;
  double aspect_;
};

}  // namespace assetgen
