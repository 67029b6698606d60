// A one-bit image in memory, as maps and banners are drawn before they are
// packed into a metafile.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace qv {

// A one-bit image stored the way a device-independent bitmap holds it: rows
// bottom-up, each padded to a multiple of 4 bytes, the leftmost pixel in the
// high bit of a byte. A pixel's value is its palette index; a new image is all
// zeros. Coordinates count from the top-left corner.
class MonoBitmap {
 public:
  MonoBitmap(int width, int height);
  // Every pixel 1; the padding bits after each row's last pixel stay clear.
  static MonoBitmap AllOnes(int width, int height);
  // Takes rows already in the stored layout; `rows` must hold
  // RowBytes(width) * height bytes.
  static MonoBitmap FromDibRows(int width, int height, std::span<const uint8_t> rows);

  static int RowBytes(int width) { return (width + 31) / 32 * 4; }

  int width() const { return width_; }
  int height() const { return height_; }
  int rowBytes() const { return rowBytes_; }

  bool Get(int x, int y) const { return (Row(y)[x >> 3] >> (7 - (x & 7))) & 1; }
  void Set(int x, int y, bool value) {
    uint8_t& b = Row(y)[x >> 3];
    const uint8_t mask = static_cast<uint8_t>(0x80u >> (x & 7));
    b = value ? (b | mask) : (b & ~mask);
  }
  // The packed bytes of row y (y from the top).
  uint8_t* Row(int y) { return bits_.data() + RowOffset(y); }
  const uint8_t* Row(int y) const { return bits_.data() + RowOffset(y); }
  // All rows, bottom row first.
  std::span<const uint8_t> DibRows() const { return bits_; }

 private:
  std::size_t RowOffset(int y) const {
    return static_cast<std::size_t>(height_ - 1 - y) * static_cast<std::size_t>(rowBytes_);
  }

  friend MonoBitmap Inverted(const MonoBitmap& bitmap);

  enum class Fill : uint8_t { kZeros = 0x00, kOnes = 0xFF };
  MonoBitmap(int width, int height, Fill fill);

  int width_;
  int height_;
  int rowBytes_;
  std::vector<uint8_t> bits_;
};

// Every pixel flipped; the padding bits after each row's last pixel stay
// clear.
MonoBitmap Inverted(const MonoBitmap& bitmap);

}  // namespace qv
