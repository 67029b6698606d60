// Copies between one-bit pictures, whole or stretched, at any bit position:
// a map is drawn from its tiles, arrows and icons with them.
#pragma once

#include <cstdint>

#include "graphics/mono_bitmap.h"

namespace qv {

// A rectangle, right and bottom exclusive.
struct PixelRect {
  int64_t left = 0;
  int64_t top = 0;
  int64_t right = 0;
  int64_t bottom = 0;
};

// Sets n pixels of a packed row from column x on, whole bytes at once.
void SetPixels(uint8_t* row, int64_t x, int64_t n);

// Copies all of `source` with its top-left corner at (x, y).
void CopyUnscaled(MonoBitmap& target, int64_t x, int64_t y, const MonoBitmap& source);

// Copies the source rectangle onto the target rectangle, each target pixel
// taking the source pixel at the same relative position (nearest below);
// source pixels outside the source picture read as white.
void CopyStretched(MonoBitmap& target, const PixelRect& to, const MonoBitmap& source,
                   const PixelRect& from);

}  // namespace qv
