#include "graphics/picture_metafile.h"

#include <array>

#include "graphics/bmp_writer.h"
#include "graphics/metafile.h"

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

MetafileAroundRows PictureMetafileAroundRows(const MonoBitmap& bitmap) {
  MetafileBuilder wmf;
  for (int i = 0; i < 2; ++i) {
    wmf.SetWindowOrg(0, 0);
    wmf.SetWindowExt(bitmap.width(), bitmap.height());
  }
  wmf.SetTextColor(kBlack);
  wmf.SetBkColor(kWhite);
  wmf.SetStretchBltMode(3);
  wmf.StretchDibWithoutRows(bitmap, kPalette, PictureDibFields());
  const std::size_t rowsPlace = wmf.rowsPlace();
  std::vector<uint8_t> bytes = wmf.Finish();
  const auto split = bytes.begin() + static_cast<std::ptrdiff_t>(rowsPlace);
  return {std::vector<uint8_t>(bytes.begin(), split), std::vector<uint8_t>(split, bytes.end())};
}

std::vector<uint8_t> PictureMetafile(const MonoBitmap& bitmap) {
  const MetafileAroundRows around = PictureMetafileAroundRows(bitmap);
  const std::span<const uint8_t> rows = bitmap.DibRows();
  std::vector<uint8_t> bytes;
  bytes.reserve(around.head.size() + rows.size() + around.tail.size());
  bytes.insert(bytes.end(), around.head.begin(), around.head.end());
  bytes.insert(bytes.end(), rows.begin(), rows.end());
  bytes.insert(bytes.end(), around.tail.begin(), around.tail.end());
  return bytes;
}

std::vector<uint8_t> PictureBmpHead(const MonoBitmap& bitmap) {
  return BmpFileHead(bitmap, kPalette, PictureDibFields());
}

std::vector<uint8_t> PictureBmpFile(const MonoBitmap& bitmap) {
  return BmpFile(bitmap, kPalette, PictureDibFields());
}

}  // namespace qv
