#include "rtfkit/mono_bitmap.h"

#include <string>

#include "platform/error.h"

namespace qv {
namespace {

// Metafile coordinates are signed 16-bit numbers.
void CheckDimensions(int width, int height) {
  if (width < 1 || height < 1 || width > 32767 || height > 32767)
    throw Error("Picture error", "bitmap size out of range: " + std::to_string(width) + "x" +
                                     std::to_string(height));
}

}  // namespace

MonoBitmap::MonoBitmap(int width, int height)
    : width_(width), height_(height), rowBytes_(RowBytes(width)) {
  CheckDimensions(width, height);
  bits_.assign(static_cast<std::size_t>(rowBytes_) * static_cast<std::size_t>(height), 0);
}

MonoBitmap MonoBitmap::FromDibRows(int width, int height, std::span<const uint8_t> rows) {
  MonoBitmap bitmap(width, height);
  if (rows.size() != bitmap.bits_.size())
    throw Error("Picture error", "bitmap rows hold " + std::to_string(rows.size()) +
                                     " bytes instead of " + std::to_string(bitmap.bits_.size()));
  bitmap.bits_.assign(rows.begin(), rows.end());
  return bitmap;
}

}  // namespace qv
