#include "graphics/bmp_writer.h"

namespace qv {

std::vector<uint8_t> BmpFileHead(const MonoBitmap& bitmap, const std::array<Rgb, 2>& palette,
                                 const DibFields& fields) {
  constexpr uint32_t kFileHeaderBytes = 14;
  const uint32_t fileSize = kFileHeaderBytes + DibSize(bitmap);
  const uint32_t rowsOffset = kFileHeaderBytes + kDibHeaderBytes;
  std::vector<uint8_t> bytes{'B', 'M'};
  // File size, two reserved words, offset of the pixel rows; little-endian.
  for (uint32_t d : {fileSize, uint32_t{0}, rowsOffset})
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(d >> shift));
  AppendDibHeader(bytes, bitmap, palette, fields);
  return bytes;
}

std::vector<uint8_t> BmpFile(const MonoBitmap& bitmap, const std::array<Rgb, 2>& palette,
                             const DibFields& fields) {
  std::vector<uint8_t> bytes = BmpFileHead(bitmap, palette, fields);
  const std::span<const uint8_t> rows = bitmap.DibRows();
  bytes.insert(bytes.end(), rows.begin(), rows.end());
  return bytes;
}

}  // namespace qv
