// A map picture's group: the metafile in upper-case hex and the progress
// dots.
#include "rtfkit/picture_group.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/bytes.h"
#include "tests/support/metafile_records.h"

namespace qv {
namespace {

using test::GetU16;
using test::GetU32;

// The white picture of a map of `columns` x `rows` cells: 200 * columns + 71
// by 200 * rows + 67 pixels.
MonoBitmap MapSized(int columns, int rows) {
  return MonoBitmap::AllOnes(200 * columns + 71, 200 * rows + 67);
}

TEST(MapRtfPicture, MetafileHeaderAndRecordsOfAThreeByTwoMap) {
  MonoBitmap map = MapSized(3, 2);
  map.Set(0, 0, false);
  std::string dots;
  const std::string group = PictureGroup(map, &dots);
  ASSERT_EQ(group.rfind("{\\pict\\wmetafile8\\picw5368\\pich3736 ", 0), 0u);
  EXPECT_EQ(group.find_first_of("abcdef", 36), std::string::npos);  // upper-case hex
  const std::vector<uint8_t> wmf = test::PictureGroupBytes(group);

  // Rows of 84 bytes: 39228 bytes of pixels; the bitmap with its 40-byte
  // header and two colours is 39276 bytes, 19638 words. Records: 4 window
  // records of 5 words, 2 colour records of 5, the stretch mode of 4, the
  // StretchDIB of 3 + 11 + 19638 = 19652, the end of 3.
  const uint32_t total = 9 + 4 * 5 + 2 * 5 + 4 + 19652 + 3;
  ASSERT_EQ(wmf.size(), 2 * total);
  EXPECT_EQ(GetU16(wmf, 0), 1u);
  EXPECT_EQ(GetU16(wmf, 2), 9u);
  EXPECT_EQ(GetU16(wmf, 4), 0x0300u);
  EXPECT_EQ(GetU32(wmf, 6), total);
  EXPECT_EQ(GetU16(wmf, 10), 0u);
  EXPECT_EQ(GetU32(wmf, 12), 19652u);
  EXPECT_EQ(GetU16(wmf, 16), 0u);

  const std::vector<test::WmfRecord> r = test::WmfRecords(wmf);
  const std::vector<uint16_t> functions{0x020B, 0x020C, 0x020B, 0x020C, 0x0209,
                                        0x0201, 0x0107, 0x0F43, 0x0000};
  ASSERT_EQ(r.size(), functions.size());
  for (std::size_t i = 0; i < r.size(); ++i) EXPECT_EQ(r[i].function, functions[i]) << i;
  for (int i : {0, 2}) EXPECT_EQ(GetU32(wmf, r[i].at + 6), 0u);  // origin (0, 0)
  for (int i : {1, 3}) {
    EXPECT_EQ(GetU16(wmf, r[i].at + 6), 467u);  // height first
    EXPECT_EQ(GetU16(wmf, r[i].at + 8), 671u);
  }
  EXPECT_EQ(GetU32(wmf, r[4].at + 6), 0x000000u);  // text black
  EXPECT_EQ(GetU32(wmf, r[5].at + 6), 0xFFFFFFu);  // background white
  EXPECT_EQ(GetU16(wmf, r[6].at + 6), 3u);
  EXPECT_EQ(r[8].words, 3u);

  const std::size_t s = r[7].at + 6;
  EXPECT_EQ(GetU32(wmf, s), 0x00CC0020u);     // SRCCOPY
  EXPECT_EQ(GetU16(wmf, s + 4), 0u);          // RGB colours
  for (std::size_t rect : {s + 6, s + 14}) {  // source, then destination
    EXPECT_EQ(GetU16(wmf, rect), 467u);
    EXPECT_EQ(GetU16(wmf, rect + 2), 671u);
    EXPECT_EQ(GetU32(wmf, rect + 4), 0u);
  }
  const std::size_t info = s + 22;
  EXPECT_EQ(GetU32(wmf, info), 40u);
  EXPECT_EQ(GetU32(wmf, info + 4), 671u);
  EXPECT_EQ(GetU32(wmf, info + 8), 467u);
  EXPECT_EQ(GetU16(wmf, info + 12), 1u);
  EXPECT_EQ(GetU16(wmf, info + 14), 1u);
  EXPECT_EQ(GetU32(wmf, info + 16), 0u);
  EXPECT_EQ(GetU32(wmf, info + 20), 39228u);
  EXPECT_EQ(GetU32(wmf, info + 32), 2u);
  const std::vector<uint8_t> palette(wmf.begin() + static_cast<long>(info + 40),
                                     wmf.begin() + static_cast<long>(info + 48));
  EXPECT_EQ(palette, (std::vector<uint8_t>{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}));
  // The rows bottom-up: the top-left black pixel is the high bit of the
  // last row's first byte.
  const std::size_t pixels = info + 48;
  EXPECT_EQ(wmf[pixels], 0xFF);
  EXPECT_EQ(wmf[pixels + 83], 0xFE);
  EXPECT_EQ(wmf[pixels + 466 * 84], 0x7F);
  EXPECT_TRUE(std::equal(map.DibRows().begin(), map.DibRows().end(), wmf.begin() + pixels));
}

// The file would be the metafile plus its 22-byte placeable header; a dot
// follows every byte whose offset is a multiple of a tenth of that size.
TEST(MapRtfPicture, ProgressDotsCountTenthsOfTheFile) {
  // 3 x 2: 22 + 39396 = 39418 bytes, a tenth is 3941; offsets 3941 to
  // 39410 give ten dots.
  std::string dots;
  PictureGroup(MapSized(3, 2), &dots);
  EXPECT_EQ(dots, "..........");
  // 2 x 1: rows of 60 bytes, 267 of them: 22 + 16188 = 16210 bytes; the
  // tenth multiple 16210 is past the last offset: nine dots.
  dots.clear();
  PictureGroup(MapSized(2, 1), &dots);
  EXPECT_EQ(dots, ".........");
}

}  // namespace
}  // namespace qv
