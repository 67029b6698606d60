// A picture copied unscaled again and again to columns of one bit position
// within a byte, as a map's tiles are: its rows are kept shifted to that
// position once, so that each copy moves whole bytes.
#pragma once

#include <cstdint>

#include "graphics/mono_bitmap.h"

namespace qv {

class AlignedPicture {
 public:
  // `phase` (0 to 7): x % 8 of the columns the picture is mostly copied to.
  AlignedPicture(MonoBitmap picture, int phase);

  const MonoBitmap& picture() const { return picture_; }
  int phase() const { return phase_; }

 private:
  friend void CopyUnscaled(MonoBitmap& target, int64_t x, int64_t y, const AlignedPicture& source);

  MonoBitmap picture_;
  int phase_;
  // The picture `phase_` columns further right, the columns before it
  // clear: row by row the bytes a copy to such a column takes.
  MonoBitmap shifted_;
  int spanBytes_;      // the bytes of a row a copy touches: (phase + width + 7) / 8
  uint8_t firstKeep_;  // the target's bits of the first byte that stay
  uint8_t lastKeep_;   // and of the last
};

// Does what CopyUnscaled(target, x, y, source.picture()) does; a byte at a
// time where x % 8 is the picture's phase and all its columns fall inside
// the target.
void CopyUnscaled(MonoBitmap& target, int64_t x, int64_t y, const AlignedPicture& source);

}  // namespace qv
