#include "graphics/mono_bitmap.h"

#include <algorithm>
#include <string>

#include "platform/error.h"

namespace qv {
namespace {

// Metafile coordinates are signed 16-bit numbers.
void CheckDimensions(int width, int height) {
  if (width < 1 || height < 1 || width > 32767 || height > 32767)
    throw Error(error_kind::kPicture, "a bitkep merete nem megengedett: " + std::to_string(width) +
                                          "x" + std::to_string(height));
}

}  // namespace

MonoBitmap::MonoBitmap(int width, int height) : MonoBitmap(width, height, Fill::kZeros) {}

MonoBitmap::MonoBitmap(int width, int height, Fill fill)
    : width_(width), height_(height), rowBytes_(RowBytes(width)) {
  CheckDimensions(width, height);
  bits_.assign(static_cast<std::size_t>(rowBytes_) * static_cast<std::size_t>(height),
               static_cast<uint8_t>(fill));
}

MonoBitmap MonoBitmap::AllOnes(int width, int height) {
  // One pass fills everything; then only each row's padding is cleared.
  MonoBitmap bitmap(width, height, Fill::kOnes);
  const int fullBytes = width / 8;
  const uint8_t lastByte = static_cast<uint8_t>(0xFF00u >> (width % 8));
  for (int y = 0; y < height; ++y) {
    uint8_t* row = bitmap.Row(y);
    if (width % 8 != 0) row[fullBytes] = lastByte;
    const int padFrom = fullBytes + (width % 8 != 0 ? 1 : 0);
    std::fill(row + padFrom, row + bitmap.rowBytes_, uint8_t{0});
  }
  return bitmap;
}

MonoBitmap MonoBitmap::FromDibRows(int width, int height, std::span<const uint8_t> rows) {
  MonoBitmap bitmap(width, height);
  if (rows.size() != bitmap.bits_.size())
    throw Error(error_kind::kPicture, "a bitkep sorai " + std::to_string(rows.size()) +
                                          " bajtot tartalmaznak " +
                                          std::to_string(bitmap.bits_.size()) + " helyett");
  bitmap.bits_.assign(rows.begin(), rows.end());
  return bitmap;
}

MonoBitmap Inverted(const MonoBitmap& bitmap) {
  // Every pixel set, the padding clear; then the set pixels cleared.
  MonoBitmap inverted = MonoBitmap::AllOnes(bitmap.width(), bitmap.height());
  const std::span<const uint8_t> rows = bitmap.DibRows();
  for (std::size_t i = 0; i < rows.size(); ++i) inverted.bits_[i] &= static_cast<uint8_t>(~rows[i]);
  return inverted;
}

}  // namespace qv
