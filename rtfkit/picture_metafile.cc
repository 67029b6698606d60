#include "rtfkit/picture_metafile.h"

#include "rtfkit/metafile.h"

namespace qv {
namespace {

// Black, white: a set bit is white.
constexpr std::array<Rgb, 2> kPalette{kBlack, kWhite};

DibFields PictureDibFields() {
  DibFields fields;
  fields.colorsUsed = 2;
  return fields;
}

}  // namespace

std::vector<uint8_t> PictureMetafile(const MonoBitmap& bitmap) {
  MetafileBuilder wmf;
  for (int i = 0; i < 2; ++i) {
    wmf.SetWindowOrg(0, 0);
    wmf.SetWindowExt(bitmap.width(), bitmap.height());
  }
  wmf.SetTextColor(kBlack);
  wmf.SetBkColor(kWhite);
  wmf.SetStretchBltMode(3);
  wmf.StretchDib(bitmap, kPalette, PictureDibFields());
  return wmf.Finish();
}

std::vector<uint8_t> PictureBmpFile(const MonoBitmap& bitmap) {
  constexpr uint32_t kFileHeaderBytes = 14;
  const uint32_t fileSize = kFileHeaderBytes + DibSize(bitmap);
  const uint32_t rowsOffset = kFileHeaderBytes + kDibHeaderBytes;
  std::vector<uint8_t> bytes{'B', 'M'};
  bytes.reserve(fileSize);
  // File size, two reserved words, offset of the pixel rows; little-endian.
  for (uint32_t d : {fileSize, uint32_t{0}, rowsOffset})
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(d >> shift));
  AppendDib(bytes, bitmap, kPalette, PictureDibFields());
  return bytes;
}

std::string HexLines(std::span<const uint8_t> bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  constexpr std::size_t kBytesPerLine = 50;
  std::string text;
  text.reserve(bytes.size() * 2 + bytes.size() / kBytesPerLine * 2);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0 && i % kBytesPerLine == 0) text += "\r\n";
    text += kHex[bytes[i] >> 4];
    text += kHex[bytes[i] & 0x0F];
  }
  return text;
}

}  // namespace qv
