#include "rtfkit/picture_metafile.h"

#include "rtfkit/metafile.h"

namespace qv {

std::vector<uint8_t> PictureMetafile(const MonoBitmap& bitmap) {
  MetafileBuilder wmf;
  for (int i = 0; i < 2; ++i) {
    wmf.SetWindowOrg(0, 0);
    wmf.SetWindowExt(bitmap.width(), bitmap.height());
  }
  wmf.SetTextColor(kBlack);
  wmf.SetBkColor(kWhite);
  wmf.SetStretchBltMode(3);
  DibFields fields;
  fields.colorsUsed = 2;
  wmf.StretchDib(bitmap, {kBlack, kWhite}, fields);
  return wmf.Finish();
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
