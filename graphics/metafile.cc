#include "graphics/metafile.h"

#include <algorithm>
#include <string>

#include "platform/error.h"

namespace qv {
namespace {

constexpr uint32_t kInfoHeaderBytes = 40;
// Size and function words of every record.
constexpr uint32_t kRecordHeadWords = 3;
// Record parameters of StretchDIB before the bitmap: raster operation (2
// words), colour use, source and destination rectangles (4 words each).
constexpr uint32_t kStretchDibParamWords = 11;

}  // namespace

MetafileBuilder::MetafileBuilder() { bytes_.resize(wmf::kHeaderWords * 2); }

void MetafileBuilder::Word(uint16_t w) {
  bytes_.push_back(static_cast<uint8_t>(w & 0xFF));
  bytes_.push_back(static_cast<uint8_t>(w >> 8));
}

void MetafileBuilder::DWord(uint32_t d) {
  Word(static_cast<uint16_t>(d & 0xFFFF));
  Word(static_cast<uint16_t>(d >> 16));
}

// COLORREF: red in the low byte, then green and blue.
void MetafileBuilder::ColorRef(Rgb c) {
  DWord(c.red | (uint32_t{c.green} << 8) | (uint32_t{c.blue} << 16));
}

void MetafileBuilder::BeginRecord(uint32_t words, uint16_t function) {
  if (words > largestRecord_) largestRecord_ = words;
  DWord(words);
  Word(function);
}

void MetafileBuilder::Record(uint16_t function, std::initializer_list<uint16_t> params) {
  BeginRecord(kRecordHeadWords + static_cast<uint32_t>(params.size()), function);
  for (uint16_t p : params) Word(p);
}

// The parameters of the window records stand in reverse order: y before x,
// height before width.
void MetafileBuilder::SetWindowOrg(int x, int y) {
  Record(wmf::kSetWindowOrg, {static_cast<uint16_t>(y), static_cast<uint16_t>(x)});
}

void MetafileBuilder::SetWindowExt(int width, int height) {
  Record(wmf::kSetWindowExt, {static_cast<uint16_t>(height), static_cast<uint16_t>(width)});
}

void MetafileBuilder::SetTextColor(Rgb color) {
  BeginRecord(kRecordHeadWords + 2, wmf::kSetTextColor);
  ColorRef(color);
}

void MetafileBuilder::SetBkColor(Rgb color) {
  BeginRecord(kRecordHeadWords + 2, wmf::kSetBkColor);
  ColorRef(color);
}

void MetafileBuilder::SetStretchBltMode(int mode) {
  Record(wmf::kSetStretchBltMode, {static_cast<uint16_t>(mode)});
}

void MetafileBuilder::StretchDib(const MonoBitmap& bitmap, const std::array<Rgb, 2>& palette,
                                 const DibFields& fields, uint32_t rasterOp) {
  StretchDibHead(bitmap, palette, fields, rasterOp);
  const std::span<const uint8_t> rows = bitmap.DibRows();
  bytes_.insert(bytes_.end(), rows.begin(), rows.end());
}

void MetafileBuilder::StretchDibWithoutRows(const MonoBitmap& bitmap,
                                            const std::array<Rgb, 2>& palette,
                                            const DibFields& fields, uint32_t rasterOp) {
  StretchDibHead(bitmap, palette, fields, rasterOp);
  rowsPlace_ = bytes_.size();
  leftOutBytes_ = bitmap.DibRows().size();
}

void MetafileBuilder::StretchDibHead(const MonoBitmap& bitmap, const std::array<Rgb, 2>& palette,
                                     const DibFields& fields, uint32_t rasterOp) {
  const uint32_t dibBytes = DibSize(bitmap);
  // Rows are padded to 4 bytes, so the bitmap always fills whole words.
  BeginRecord(kRecordHeadWords + kStretchDibParamWords + dibBytes / 2, wmf::kStretchDib);
  const uint16_t w = static_cast<uint16_t>(bitmap.width());
  const uint16_t h = static_cast<uint16_t>(bitmap.height());
  DWord(rasterOp);
  Word(wmf::kDibRgbColors);
  for (uint16_t p : {h, w, uint16_t{0}, uint16_t{0}}) Word(p);  // source
  for (uint16_t p : {h, w, uint16_t{0}, uint16_t{0}}) Word(p);  // destination
  AppendDibHeader(bytes_, bitmap, palette, fields);
}

uint32_t DibSize(const MonoBitmap& bitmap) {
  return kDibHeaderBytes + static_cast<uint32_t>(bitmap.DibRows().size());
}

void AppendDibHeader(std::vector<uint8_t>& out, const MonoBitmap& bitmap,
                     const std::array<Rgb, 2>& palette, const DibFields& fields) {
  const std::span<const uint8_t> rows = bitmap.DibRows();
  auto dword = [&out](uint32_t d) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(d >> shift));
  };
  auto word = [&out](uint16_t w) {
    out.push_back(static_cast<uint8_t>(w & 0xFF));
    out.push_back(static_cast<uint8_t>(w >> 8));
  };
  // BITMAPINFOHEADER; a positive height means bottom-up rows.
  dword(kInfoHeaderBytes);
  dword(static_cast<uint32_t>(bitmap.width()));
  dword(static_cast<uint32_t>(bitmap.height()));
  word(1);   // planes
  word(1);   // bits per pixel
  dword(0);  // BI_RGB, no compression
  dword(fields.sizeImage.value_or(static_cast<uint32_t>(rows.size())));
  dword(static_cast<uint32_t>(fields.xPixelsPerMeter));
  dword(static_cast<uint32_t>(fields.yPixelsPerMeter));
  dword(fields.colorsUsed);
  dword(fields.colorsImportant);
  // RGBQUAD entries: blue, green, red, reserved.
  for (const Rgb& c : palette) {
    out.push_back(c.blue);
    out.push_back(c.green);
    out.push_back(c.red);
    out.push_back(0);
  }
}

std::vector<uint8_t> MetafileBuilder::Finish() {
  Record(wmf::kEof, {});
  std::vector<uint8_t> body = std::move(bytes_);
  bytes_.clear();
  const uint32_t totalWords = static_cast<uint32_t>((body.size() + leftOutBytes_) / 2);
  // Header: type 1 (memory), header size, version 3.0, total size, number of
  // objects, largest record, number of parameters (unused, 0).
  Word(1);
  Word(wmf::kHeaderWords);
  Word(0x0300);
  DWord(totalWords);
  Word(0);
  DWord(largestRecord_);
  Word(0);
  std::copy(bytes_.begin(), bytes_.end(), body.begin());
  return body;
}

}  // namespace qv
