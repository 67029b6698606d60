#include "graphics/metafile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/error.h"
#include "tests/support/bytes.h"

namespace qv {
namespace {

using test::GetU16;
using test::GetU32;

std::vector<uint8_t> Slice(const std::vector<uint8_t>& b, std::size_t at, std::size_t n) {
  return std::vector<uint8_t>(b.begin() + static_cast<long>(at),
                              b.begin() + static_cast<long>(at + n));
}

TEST(MetafileBitmap, PixelsArePackedBottomUpWithPaddedRows) {
  MonoBitmap bm(3, 2);
  EXPECT_EQ(bm.rowBytes(), 4);
  ASSERT_EQ(bm.DibRows().size(), 8u);
  bm.Set(1, 0, true);  // second pixel of the top row
  // The top row is stored last; pixel 1 is the second-highest bit.
  EXPECT_EQ(std::vector<uint8_t>(bm.DibRows().begin(), bm.DibRows().end()),
            (std::vector<uint8_t>{0, 0, 0, 0, 0x40, 0, 0, 0}));
  EXPECT_TRUE(bm.Get(1, 0));
  EXPECT_FALSE(bm.Get(1, 1));
  EXPECT_FALSE(bm.Get(0, 0));
  bm.Set(1, 0, false);
  EXPECT_FALSE(bm.Get(1, 0));
}

TEST(MetafileBitmap, RowSizesRoundUpToFourBytes) {
  EXPECT_EQ(MonoBitmap::RowBytes(1), 4);
  EXPECT_EQ(MonoBitmap::RowBytes(32), 4);
  EXPECT_EQ(MonoBitmap::RowBytes(33), 8);
  EXPECT_EQ(MonoBitmap::RowBytes(2280), 288);
  MonoBitmap wide(40, 3);
  wide.Set(39, 2, true);  // last pixel of the bottom row: byte 4 of the first stored row
  EXPECT_EQ(wide.DibRows()[4], 0x01);
  EXPECT_EQ(wide.Row(2), wide.DibRows().data());
}

// Inverted flips the pixels and keeps the padding clear, even where the
// picture had padding bits set.
TEST(MetafileBitmap, InvertedFlipsPixelsNotPadding) {
  const MonoBitmap bm = MonoBitmap::FromDibRows(3, 2, std::vector<uint8_t>{0x8F, 0, 0, 1,  //
                                                                          0x20, 0, 0, 0});
  const MonoBitmap inverted = Inverted(bm);
  EXPECT_EQ(std::vector<uint8_t>(inverted.DibRows().begin(), inverted.DibRows().end()),
            (std::vector<uint8_t>{0x60, 0, 0, 0, 0xC0, 0, 0, 0}));
}

TEST(MetafileBitmap, FromDibRowsKeepsTheLayoutAndChecksTheSize) {
  const std::vector<uint8_t> rows{0x80, 0, 0, 0, 0, 0, 0, 0};
  const MonoBitmap bm = MonoBitmap::FromDibRows(3, 2, rows);
  EXPECT_TRUE(bm.Get(0, 1));  // first stored row is the bottom one
  EXPECT_FALSE(bm.Get(0, 0));
  EXPECT_THROW(MonoBitmap::FromDibRows(3, 2, std::vector<uint8_t>(7)), Error);
  EXPECT_THROW(MonoBitmap(0, 5), Error);
  EXPECT_THROW(MonoBitmap(40000, 1), Error);
}

// A 3 x 2 picture with one black pixel, written the way the map pictures are:
// palette black first, two colours used.
TEST(MetafileBuilder, SmallPictureLayout) {
  MonoBitmap bm(3, 2);
  bm.Set(1, 0, true);
  MetafileBuilder wmf;
  wmf.SetWindowOrg(0, 0);
  wmf.SetWindowExt(3, 2);
  DibFields fields;
  fields.colorsUsed = 2;
  wmf.StretchDib(bm, {kBlack, kWhite}, fields);
  const std::vector<uint8_t> b = wmf.Finish();

  // 9 header words, two 5-word records, StretchDIB of 3 + 11 + 56 / 2 = 42
  // words, end record of 3 words.
  ASSERT_EQ(b.size(), 128u);
  EXPECT_EQ(GetU16(b, 0), 1);
  EXPECT_EQ(GetU16(b, 2), 9);
  EXPECT_EQ(GetU16(b, 4), 0x0300);
  EXPECT_EQ(GetU32(b, 6), 64u);
  EXPECT_EQ(GetU16(b, 10), 0);
  EXPECT_EQ(GetU32(b, 12), 42u);
  EXPECT_EQ(GetU16(b, 16), 0);

  EXPECT_EQ(GetU32(b, 28), 5u);
  EXPECT_EQ(GetU16(b, 32), 0x020C);
  EXPECT_EQ(GetU16(b, 34), 2);  // height first
  EXPECT_EQ(GetU16(b, 36), 3);

  EXPECT_EQ(GetU32(b, 38), 42u);
  EXPECT_EQ(GetU16(b, 42), 0x0F43);
  EXPECT_EQ(GetU32(b, 44), 0x00CC0020u);
  EXPECT_EQ(GetU16(b, 48), 0);  // DIB_RGB_COLORS
  const uint16_t rects[8] = {2, 3, 0, 0, 2, 3, 0, 0};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(GetU16(b, 50 + 2 * i), rects[i]) << i;

  EXPECT_EQ(GetU32(b, 66), 40u);
  EXPECT_EQ(GetU32(b, 70), 3u);
  EXPECT_EQ(GetU32(b, 74), 2u);
  EXPECT_EQ(GetU16(b, 78), 1);
  EXPECT_EQ(GetU16(b, 80), 1);
  EXPECT_EQ(GetU32(b, 82), 0u);
  EXPECT_EQ(GetU32(b, 86), 8u);  // size of the rows by default
  EXPECT_EQ(GetU32(b, 98), 2u);
  EXPECT_EQ(GetU32(b, 102), 0u);
  EXPECT_EQ(Slice(b, 106, 8), (std::vector<uint8_t>{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}));
  // Bottom row, then the top row with its black pixel; rows padded to 4 bytes.
  EXPECT_EQ(Slice(b, 114, 8), (std::vector<uint8_t>{0, 0, 0, 0, 0x40, 0, 0, 0}));
  EXPECT_EQ(Slice(b, 122, 6), (std::vector<uint8_t>{3, 0, 0, 0, 0, 0}));
}

// The same picture with its rows left out: the sizes still count the 8
// bytes of rows, which belong where the palette ends.
TEST(MetafileBuilder, RowsLeftOutCountInTheSizes) {
  MonoBitmap bm(3, 2);
  bm.Set(1, 0, true);
  MetafileBuilder wmf;
  wmf.SetWindowOrg(0, 0);
  wmf.SetWindowExt(3, 2);
  DibFields fields;
  fields.colorsUsed = 2;
  wmf.StretchDibWithoutRows(bm, {kBlack, kWhite}, fields);
  EXPECT_EQ(wmf.rowsPlace(), 114u);
  const std::vector<uint8_t> b = wmf.Finish();
  ASSERT_EQ(b.size(), 120u);
  EXPECT_EQ(GetU32(b, 6), 64u);   // total words, rows included
  EXPECT_EQ(GetU32(b, 12), 42u);  // the StretchDIB record, rows included
  EXPECT_EQ(GetU32(b, 38), 42u);
  EXPECT_EQ(GetU32(b, 86), 8u);
  EXPECT_EQ(Slice(b, 106, 8), (std::vector<uint8_t>{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}));
  EXPECT_EQ(Slice(b, 114, 6), (std::vector<uint8_t>{3, 0, 0, 0, 0, 0}));
}

TEST(MetafileBuilder, ColoursParametersAndHeaderFields) {
  MetafileBuilder wmf;
  wmf.SetWindowOrg(7, 9);
  wmf.SetTextColor(Rgb{0x11, 0x22, 0x33});
  wmf.SetBkColor(kWhite);
  wmf.SetStretchBltMode(3);
  wmf.Record(0x0123, {0xABCD, 0x0001, 0x0002});
  DibFields fields;
  fields.xPixelsPerMeter = 11808;
  fields.yPixelsPerMeter = 2835;
  fields.sizeImage = 0;
  fields.colorsImportant = 1;
  wmf.StretchDib(MonoBitmap(1, 1), {Rgb{1, 2, 3}, Rgb{4, 5, 6}}, fields, 0x00330008);
  const std::vector<uint8_t> b = wmf.Finish();

  std::size_t at = 18;
  EXPECT_EQ(GetU16(b, at + 4), 0x020B);
  EXPECT_EQ(GetU16(b, at + 6), 9);  // y before x
  EXPECT_EQ(GetU16(b, at + 8), 7);
  at += 10;
  EXPECT_EQ(GetU16(b, at + 4), 0x0209);
  EXPECT_EQ(Slice(b, at + 6, 4), (std::vector<uint8_t>{0x11, 0x22, 0x33, 0}));
  at += 10;
  EXPECT_EQ(GetU16(b, at + 4), 0x0201);
  EXPECT_EQ(Slice(b, at + 6, 4), (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0}));
  at += 10;
  EXPECT_EQ(GetU32(b, at), 4u);
  EXPECT_EQ(GetU16(b, at + 4), 0x0107);
  EXPECT_EQ(GetU16(b, at + 6), 3);
  at += 8;
  EXPECT_EQ(GetU32(b, at), 6u);
  EXPECT_EQ(GetU16(b, at + 4), 0x0123);
  EXPECT_EQ(GetU16(b, at + 6), 0xABCD);
  at += 12;
  // StretchDIB of a 1 x 1 bitmap: 14 + (40 + 8 + 4) / 2 = 40 words.
  EXPECT_EQ(GetU32(b, at), 40u);
  EXPECT_EQ(GetU32(b, at + 6), 0x00330008u);
  const std::size_t dib = at + 28;
  EXPECT_EQ(GetU32(b, dib + 20), 0u);
  EXPECT_EQ(GetU32(b, dib + 24), 11808u);
  EXPECT_EQ(GetU32(b, dib + 28), 2835u);
  EXPECT_EQ(GetU32(b, dib + 32), 0u);
  EXPECT_EQ(GetU32(b, dib + 36), 1u);
  EXPECT_EQ(Slice(b, dib + 40, 8), (std::vector<uint8_t>{3, 2, 1, 0, 6, 5, 4, 0}));
  at += 80;
  EXPECT_EQ(GetU32(b, at), 3u);
  EXPECT_EQ(b.size(), at + 6);
  EXPECT_EQ(GetU32(b, 6), b.size() / 2);
  EXPECT_EQ(GetU32(b, 12), 40u);
}

TEST(MetafileBuilder, EmptyMetafileHoldsOnlyHeaderAndEnd) {
  const std::vector<uint8_t> b = MetafileBuilder().Finish();
  ASSERT_EQ(b.size(), 24u);
  EXPECT_EQ(GetU32(b, 6), 12u);
  EXPECT_EQ(GetU32(b, 12), 3u);
}

}  // namespace
}  // namespace qv
