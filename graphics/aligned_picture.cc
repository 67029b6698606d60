#include "graphics/aligned_picture.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "graphics/bitmap_copy.h"

namespace qv {
namespace {

// n bytes eight at a time, the last eight overlapping the ones before
// where n is not a multiple of eight: a tile's row is some 25 bytes.
void CopyBytes(uint8_t* to, const uint8_t* from, std::ptrdiff_t n) {
  if (n < 8) {
    for (std::ptrdiff_t i = 0; i < n; ++i) to[i] = from[i];
    return;
  }
  for (std::ptrdiff_t i = 0; i < n - 8; i += 8) std::memcpy(to + i, from + i, 8);
  std::memcpy(to + n - 8, from + n - 8, 8);
}

}  // namespace

AlignedPicture::AlignedPicture(MonoBitmap picture, int phase)
    : picture_(std::move(picture)),
      phase_(phase & 7),
      shifted_(phase_ + picture_.width(), picture_.height()),
      spanBytes_((phase_ + picture_.width() + 7) / 8),
      firstKeep_(static_cast<uint8_t>(0xFF00u >> phase_)),
      lastKeep_(static_cast<uint8_t>(0xFFu >> ((phase_ + picture_.width() - 1) % 8 + 1))) {
  CopyUnscaled(shifted_, phase_, 0, picture_);
  if (spanBytes_ == 1) firstKeep_ |= lastKeep_;
}

void CopyUnscaled(MonoBitmap& target, int64_t x, int64_t y, const AlignedPicture& source) {
  const MonoBitmap& picture = source.picture_;
  if (x < 0 || (x & 7) != source.phase_ || x + picture.width() > target.width()) {
    CopyUnscaled(target, x, y, picture);
    return;
  }
  const int64_t y0 = std::max<int64_t>(y, 0);
  const int64_t y1 = std::min<int64_t>(y + picture.height(), target.height());
  if (y0 >= y1) return;
  // The shifted rows are clear outside the picture's columns: the end bytes
  // keep the target's bits there and take the picture's. Rows are stored
  // bottom-up, so each next row lies a row's bytes lower.
  uint8_t* const to = target.Row(static_cast<int>(y0)) + (x >> 3);
  const uint8_t* const from = source.shifted_.Row(static_cast<int>(y0 - y));
  const std::ptrdiff_t toStep = target.rowBytes(), fromStep = source.shifted_.rowBytes();
  const uint8_t firstKeep = source.firstKeep_, lastKeep = source.lastKeep_;
  const std::ptrdiff_t last = source.spanBytes_ - 1;
  for (std::ptrdiff_t i = 0; i < y1 - y0; ++i) {
    uint8_t* const t = to - i * toStep;
    const uint8_t* const f = from - i * fromStep;
    t[0] = static_cast<uint8_t>((t[0] & firstKeep) | f[0]);
    if (last == 0) continue;
    CopyBytes(t + 1, f + 1, last - 1);
    t[last] = static_cast<uint8_t>((t[last] & lastKeep) | f[last]);
  }
}

}  // namespace qv
