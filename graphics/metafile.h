// 16-bit Windows metafiles holding one-bit pictures, built record by record
// in memory (little-endian bytes, no placeable header).
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

#include "graphics/mono_bitmap.h"

namespace qv {

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

// The information header and the two-entry colour table in front of a
// one-bit DIB's pixel rows.
inline constexpr uint32_t kDibHeaderBytes = 40 + 2 * 4;

// The bytes of a one-bit DIB: kDibHeaderBytes plus the bitmap's rows.
uint32_t DibSize(const MonoBitmap& bitmap);

// Appends the DIB's information header and two-entry palette (index 0
// first), without the rows.
void AppendDibHeader(std::vector<uint8_t>& out, const MonoBitmap& bitmap,
                     const std::array<Rgb, 2>& palette, const DibFields& fields);

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

  // StretchDib with the bitmap's rows left out of the bytes, so that a large
  // picture is not copied: the rows count in the record's and the
  // metafile's sizes and belong at rowsPlace() of the finished bytes. At
  // most one such record, the last but the end record.
  void StretchDibWithoutRows(const MonoBitmap& bitmap, const std::array<Rgb, 2>& palette,
                             const DibFields& fields, uint32_t rasterOp = wmf::kSrcCopy);
  std::size_t rowsPlace() const { return rowsPlace_; }

  // The finished metafile; the builder is spent afterwards.
  std::vector<uint8_t> Finish();

 private:
  void BeginRecord(uint32_t words, uint16_t function);
  void Word(uint16_t w);
  void DWord(uint32_t d);
  void ColorRef(Rgb c);

  // The StretchDIB record up to the bitmap's rows.
  void StretchDibHead(const MonoBitmap& bitmap, const std::array<Rgb, 2>& palette,
                      const DibFields& fields, uint32_t rasterOp);

  std::vector<uint8_t> bytes_;
  uint32_t largestRecord_ = 0;
  std::size_t leftOutBytes_ = 0;  // rows counted but not held
  std::size_t rowsPlace_ = 0;
};

}  // namespace qv
