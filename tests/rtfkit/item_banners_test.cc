// The item category banners: their metafiles as the document embeds them,
// and the compiled-in drawings against the committed PBM files.
#include "rtfkit/item_banners.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "graphics/pbm_image.h"
#include "graphics/picture_metafile.h"
#include "platform/error.h"
#include "tests/support/bytes.h"
#include "tests/support/lines.h"
#include "tests/support/metafile_records.h"
#include "text/hex_digits.h"

namespace qv {
namespace {

using test::GetU16;
using test::GetU32;

// Worked out from each banner's size: rows of (width + 31) / 32 * 4 bytes;
// the StretchDIB record takes 3 + 11 words and its bitmap (40 header bytes,
// 8 palette bytes and the rows) half as many words as bytes; the metafile is
// 9 header words, four window records of 5, two colour records of 5, the
// stretch mode's 4, the StretchDIB record and the end record's 3.
struct Expected {
  int width;
  int height;
  uint32_t rowBytes;
  uint32_t pixelBytes;
  uint32_t stretchWords;  // the largest record
  std::size_t bytes;
  std::size_t hexLines;
  std::size_t lastLineDigits;  // 100 digits (50 bytes) to a full line
};

constexpr Expected kExpected[kItemBannerGroups] = {
    // 14 + (48 + 4240) / 2 = 2158; 2 * (46 + 2158) = 4408 = 88 * 50 + 8.
    {295, 106, 40, 4240, 2158, 4408, 89, 16},
    // 14 + (48 + 3816) / 2 = 1946; 2 * (46 + 1946) = 3984 = 79 * 50 + 34.
    {287, 106, 36, 3816, 1946, 3984, 80, 68},
    // 14 + (48 + 4752) / 2 = 2414; 2 * (46 + 2414) = 4920 = 98 * 50 + 20.
    {345, 108, 44, 4752, 2414, 4920, 99, 40},
    // 14 + (48 + 4620) / 2 = 2348; 2 * (46 + 2348) = 4788 = 95 * 50 + 38.
    {352, 105, 44, 4620, 2348, 4788, 96, 76},
    // 14 + (48 + 3168) / 2 = 1622; 2 * (46 + 1622) = 3336 = 66 * 50 + 36.
    {241, 99, 32, 3168, 1622, 3336, 67, 72},
    // 14 + (48 + 3392) / 2 = 1734; 2 * (46 + 1734) = 3560 = 71 * 50 + 10.
    {243, 106, 32, 3392, 1734, 3560, 72, 20},
};

// The bitmap header follows the StretchDIB record's 14 words, after the
// 18-byte header and seven records of 5, 5, 5, 5, 5, 5 and 4 words.
constexpr std::size_t kDib = 18 + 2 * (6 * 5 + 4) + 2 * 14;
constexpr std::size_t kPixels = kDib + 40 + 8;

// The bytes of lower-case hexadecimal text; fails the test on any other
// character.
std::vector<uint8_t> HexBytes(const std::string& hex) {
  const auto digit = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    ADD_FAILURE() << "not a lower-case hex digit: " << static_cast<int>(c);
    return 0;
  };
  EXPECT_EQ(hex.size() % 2, 0u);
  std::vector<uint8_t> bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes.push_back(static_cast<uint8_t>(digit(hex[i]) * 16 + digit(hex[i + 1])));
  return bytes;
}

MonoBitmap CommittedPbm(int group) {
  const std::string name = "item_banner_" + std::to_string(group) + ".pbm";
  std::ifstream file(QV_SOURCE_DIR "/assets/" + name, std::ios::binary);
  EXPECT_TRUE(file) << name;
  const std::vector<uint8_t> pbm{std::istreambuf_iterator<char>(file), {}};
  const Expected& e = kExpected[group - 1];
  return ReadPbm(pbm, e.width, e.height, name);
}

TEST(ItemBanners, HexLinesOfOneHundredDigits) {
  for (int g = 1; g <= kItemBannerGroups; ++g) {
    SCOPED_TRACE(g);
    const Expected& e = kExpected[g - 1];
    const std::string& text = ItemBannerHex(g);
    const std::vector<std::string> lines = test::SplitLines(text);
    EXPECT_FALSE(text.ends_with("\r\n"));  // no line end after the last line
    ASSERT_EQ(lines.size(), e.hexLines);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) ASSERT_EQ(lines[i].size(), 100u) << i;
    EXPECT_EQ(lines.back().size(), e.lastLineDigits);
    std::string hex;
    for (const std::string& line : lines) hex += line;
    EXPECT_EQ(HexBytes(hex), PictureMetafile(ItemBannerBitmap(g)));
  }
}

TEST(ItemBanners, MetafileHeaderAndRecords) {
  for (int g = 1; g <= kItemBannerGroups; ++g) {
    SCOPED_TRACE(g);
    const Expected& e = kExpected[g - 1];
    const uint32_t w = static_cast<uint32_t>(e.width), h = static_cast<uint32_t>(e.height);
    const std::vector<uint8_t> b = PictureMetafile(ItemBannerBitmap(g));
    ASSERT_EQ(b.size(), e.bytes);

    EXPECT_EQ(GetU16(b, 0), 1u);       // on disk
    EXPECT_EQ(GetU16(b, 2), 9u);       // header words
    EXPECT_EQ(GetU16(b, 4), 0x0300u);  // version
    EXPECT_EQ(GetU32(b, 6), e.bytes / 2);
    EXPECT_EQ(GetU16(b, 10), 0u);  // objects
    EXPECT_EQ(GetU32(b, 12), e.stretchWords);
    EXPECT_EQ(GetU16(b, 16), 0u);

    // Size in words, function and 16-bit parameters of every record.
    const struct {
      uint32_t words;
      uint16_t function;
      std::vector<uint32_t> params;
    } records[] = {
        {5, 0x020B, {0, 0}},
        {5, 0x020C, {h, w}},
        {5, 0x020B, {0, 0}},
        {5, 0x020C, {h, w}},
        {5, 0x0209, {0, 0}},            // text black
        {5, 0x0201, {0xFFFF, 0x00FF}},  // background white
        {4, 0x0107, {3}},
        // SRCCOPY, RGB colours, source and destination: height, width, y, x.
        {e.stretchWords, 0x0F43, {0x0020, 0x00CC, 0, h, w, 0, 0, h, w, 0, 0}},
        {3, 0x0000, {}},
    };
    const std::vector<test::WmfRecord> found = test::WmfRecords(b);
    ASSERT_EQ(found.size(), std::size(records));
    for (std::size_t i = 0; i < found.size(); ++i) {
      EXPECT_EQ(found[i].words, records[i].words) << i;
      EXPECT_EQ(found[i].function, records[i].function) << i;
      for (std::size_t k = 0; k < records[i].params.size(); ++k)
        EXPECT_EQ(GetU16(b, found[i].at + 6 + 2 * k), records[i].params[k]) << i << ", " << k;
    }

    EXPECT_EQ(GetU32(b, kDib), 40u);
    EXPECT_EQ(GetU32(b, kDib + 4), w);
    EXPECT_EQ(GetU32(b, kDib + 8), h);
    EXPECT_EQ(GetU16(b, kDib + 12), 1u);  // planes
    EXPECT_EQ(GetU16(b, kDib + 14), 1u);  // bits per pixel
    EXPECT_EQ(GetU32(b, kDib + 16), 0u);  // no compression
    EXPECT_EQ(GetU32(b, kDib + 20), e.pixelBytes);
    EXPECT_EQ(GetU32(b, kDib + 32), 2u);  // colours used
    const std::vector<uint8_t> palette(b.begin() + kDib + 40, b.begin() + kPixels);
    EXPECT_EQ(palette, (std::vector<uint8_t>{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}));
    EXPECT_EQ(kPixels + e.pixelBytes, b.size() - 6);
  }
}

// A black pixel of the committed drawing is a clear bit in the metafile,
// palette index 0, which is black; the row padding stays clear.
TEST(ItemBanners, DrawingsAreTheCommittedPbmsBlackOnWhite) {
  for (int g = 1; g <= kItemBannerGroups; ++g) {
    SCOPED_TRACE(g);
    const Expected& e = kExpected[g - 1];
    const MonoBitmap pbm = CommittedPbm(g);  // a set bit is black
    const std::vector<uint8_t> b = PictureMetafile(ItemBannerBitmap(g));
    ASSERT_EQ(b.size(), e.bytes);
    int black = 0;
    for (int y = 0; y < e.height; ++y) {
      const std::size_t row = kPixels + (e.height - 1 - y) * std::size_t{e.rowBytes};
      for (int x = 0; x < e.width; ++x) {
        const bool white = (b[row + x / 8] >> (7 - x % 8)) & 1;
        ASSERT_EQ(white, !pbm.Get(x, y)) << x << ", " << y;
        black += !white;
      }
      for (uint32_t x = e.width; x < e.rowBytes * 8; ++x)
        ASSERT_EQ((b[row + x / 8] >> (7 - x % 8)) & 1, 0) << "padding of row " << y;
    }
    // A drawing, not a blank or a black box.
    const int pixels = e.width * e.height;
    EXPECT_GT(black, pixels / 10);
    EXPECT_LT(black, pixels / 2);
  }
}

TEST(ItemBanners, OnlyGroupsOneToSix) {
  for (int g : {0, 7}) {
    EXPECT_THROW(ItemBannerBitmap(g), Error);
    EXPECT_THROW(ItemBannerHex(g), Error);
  }
}

}  // namespace
}  // namespace qv
