// 16-bit Windows metafiles holding one-bit pictures, built record by record
// in memory (little-endian bytes, no placeable header).
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
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
  // Takes rows already in the stored layout; `rows` must hold
  // RowBytes(width) * height bytes.
  static MonoBitmap FromDibRows(int width, int height, std::span<const uint8_t> rows);

  static int RowBytes(int width) { return (width + 31) / 32 * 4; }

  int width() const { return width_; }
  int height() const { return height_; }
  int rowBytes() const { return rowBytes_; }

  bool Get(int x, int y) const {
    return (Row(y)[x >> 3] >> (7 - (x & 7))) & 1;
  }
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

  int width_;
  int height_;
  int rowBytes_;
  std::vector<uint8_t> bits_;
};

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// The information-header fields of a one-bit DIB that the picture's use
// decides; size, planes, bit count and compression follow from the bitmap.
struct DibFields {
  int32_t xPixelsPerMeter = 0;
  int32_t yPixelsPerMeter = 0;
  std::optional<uint32_t> sizeImage;  // unset: the size of the pixel rows
  uint32_t colorsUsed = 0;
  uint32_t colorsImportant = 0;
};

// Record function numbers of the 16-bit metafile format.
namespace wmf {
inline constexpr uint16_t kEof = 0x0000;
inline constexpr uint16_t kSetBkColor = 0x0201;
inline constexpr uint16_t kSetTextColor = 0x0209;
inline constexpr uint16_t kSetWindowOrg = 0x020B;
inline constexpr uint16_t kSetWindowExt = 0x020C;
inline constexpr uint16_t kSetStretchBltMode = 0x0107;
inline constexpr uint16_t kStretchDib = 0x0F43;

inline constexpr uint32_t kSrcCopy = 0x00CC0020;
inline constexpr uint16_t kDibRgbColors = 0;
inline constexpr int kHeaderWords = 9;
}  // namespace wmf

// Appends records after a 9-word metafile header; Finish() adds the
// end-of-file record and fills in the header's size fields.
class MetafileBuilder {
 public:
  MetafileBuilder();

  // A record with the given 16-bit parameters, in record order.
  void Record(uint16_t function, std::initializer_list<uint16_t> params);

  void SetWindowOrg(int x, int y);
  void SetWindowExt(int width, int height);
  void SetTextColor(Rgb color);
  void SetBkColor(Rgb color);
  void SetStretchBltMode(int mode);
  // Copies the whole bitmap to the same rectangle at (0, 0), with the given
  // two-entry palette (index 0 first) and raster operation.
  void StretchDib(const MonoBitmap& bitmap, const std::array<Rgb, 2>& palette,
                  const DibFields& fields, uint32_t rasterOp = wmf::kSrcCopy);

  // The finished metafile; the builder is spent afterwards.
  std::vector<uint8_t> Finish();

 private:
  void BeginRecord(uint32_t words, uint16_t function);
  void Word(uint16_t w);
  void DWord(uint32_t d);
  void ColorRef(Rgb c);

  std::vector<uint8_t> bytes_;
  uint32_t largestRecord_ = 0;
};

}  // namespace qv
