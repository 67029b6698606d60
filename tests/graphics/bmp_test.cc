#include "graphics/bmp_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "graphics/bmp_writer.h"
#include "platform/error.h"
#include "tests/support/bmp_files.h"
#include "tests/support/bytes.h"
#include "tests/support/files.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/system_texts.h"

namespace qv {
namespace {

using test::Colour;
using test::MakeBmp;

// A 3 x 2 test card: top row white, black, grey 200; bottom row black,
// grey 100, white.
int Card(int x, int y) {
  return y == 0 ? (x == 0 ? 1 : x == 1 ? 0 : 2) : (x == 0 ? 0 : x == 1 ? 3 : 1);
}
const std::vector<Colour> kCardColours = {
    {0, 0, 0}, {255, 255, 255}, {200, 200, 200}, {100, 100, 100}};

void ExpectCard(const MonoBitmap& bm) {
  ASSERT_EQ(bm.width(), 3);
  ASSERT_EQ(bm.height(), 2);
  EXPECT_TRUE(bm.Get(0, 0));
  EXPECT_FALSE(bm.Get(1, 0));
  EXPECT_TRUE(bm.Get(2, 0));  // light grey is white
  EXPECT_FALSE(bm.Get(0, 1));
  EXPECT_FALSE(bm.Get(1, 1));  // dark grey is black
  EXPECT_TRUE(bm.Get(2, 1));
}

TEST(MapBmp, EveryUncompressedDepthReadsTheSame) {
  for (int bits : {4, 8, 24, 32}) {
    SCOPED_TRACE(bits);
    ExpectCard(DecodeBmp(MakeBmp(3, 2, bits, kCardColours, Card), "card"));
    ExpectCard(DecodeBmp(MakeBmp(3, 2, bits, kCardColours, Card, /*topDown=*/true), "card"));
  }
}

TEST(MapBmp, OneBitPaletteDecidesWhichIndexIsWhite) {
  auto pattern = [](int x, int y) { return (x + y) % 2; };
  const MonoBitmap blackFirst =
      DecodeBmp(MakeBmp(9, 3, 1, {{0, 0, 0}, {255, 255, 255}}, pattern), "a");
  const MonoBitmap whiteFirst =
      DecodeBmp(MakeBmp(9, 3, 1, {{255, 255, 255}, {0, 0, 0}}, pattern), "b");
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 9; ++x) {
      EXPECT_EQ(blackFirst.Get(x, y), (x + y) % 2 == 1) << x << "," << y;
      EXPECT_EQ(whiteFirst.Get(x, y), (x + y) % 2 == 0) << x << "," << y;
    }
}

// One-bit rows are taken whole: each of the four palettes (and a palette of
// one entry, index 1 past it being black) gives the pixels its entries say,
// and bits the file holds past the last pixel never reach the picture.
TEST(MapBmp, OneBitRowsOfEveryPaletteAndNoBitsPastTheWidth) {
  const Colour w{255, 255, 255}, b{0, 0, 0};
  auto pattern = [](int x, int y) { return (x * 3 + y) % 5 < 2 ? 1 : 0; };
  for (const std::vector<Colour>& palette : std::vector<std::vector<Colour>>{
           {b, w}, {w, b}, {w, w}, {b, b}, {w}}) {
    for (const bool topDown : {false, true}) {
      std::vector<uint8_t> file = MakeBmp(9, 3, 1, palette, pattern, topDown);
      // Set every bit of each 4-byte row after pixel 9.
      const uint32_t rows = test::GetU32(file, 10);
      for (int r = 0; r < 3; ++r) {
        file[rows + 4 * r + 1] |= 0x7F;
        file[rows + 4 * r + 2] = file[rows + 4 * r + 3] = 0xFF;
      }
      MonoBitmap expected(9, 3);
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 9; ++x) {
          const std::size_t index = static_cast<std::size_t>(pattern(x, y));
          expected.Set(x, y, index < palette.size() && palette[index].r == 255);
        }
      const MonoBitmap got = DecodeBmp(file, "p");
      EXPECT_TRUE(std::equal(got.DibRows().begin(), got.DibRows().end(),
                             expected.DibRows().begin(), expected.DibRows().end()))
          << palette.size() << " entries, first " << int{palette[0].r} << ", top-down " << topDown;
    }
  }
}

TEST(MapBmp, ColoursAreReducedByLuminance) {
  // Pure green is light (weight 587), pure red and blue are dark.
  const MonoBitmap bm = DecodeBmp(
      MakeBmp(3, 1, 24, {{0, 255, 0}, {255, 0, 0}, {0, 0, 255}}, [](int x, int) { return x; }),
      "c");
  EXPECT_TRUE(bm.Get(0, 0));
  EXPECT_FALSE(bm.Get(1, 0));
  EXPECT_FALSE(bm.Get(2, 0));
}

TEST(MapBmp, IndexPastAShortPaletteIsBlack) {
  // A two-entry palette in an 8-bit file; index 5 has no colour.
  const MonoBitmap bm = DecodeBmp(MakeBmp(2, 1, 8, {{255, 255, 255}, {255, 255, 255}},
                                          [](int x, int) { return x == 0 ? 1 : 5; }),
                                  "d");
  EXPECT_TRUE(bm.Get(0, 0));
  EXPECT_FALSE(bm.Get(1, 0));
}

std::string Message(const std::vector<uint8_t>& bytes) {
  try {
    DecodeBmp(bytes, "picture/x.bmp");
  } catch (const Error& e) {
    return e.text();
  }
  return "no error";
}

TEST(MapBmp, DamagedOrUnsupportedFilesAreRefused) {
  const std::vector<uint8_t> good = MakeBmp(3, 2, 24, kCardColours, Card);
  auto with = [&](std::size_t at, uint32_t value, int size) {
    std::vector<uint8_t> b = good;
    for (int i = 0; i < size; ++i) b[at + i] = static_cast<uint8_t>(value >> (8 * i));
    return b;
  };
  EXPECT_NE(Message(good).find("no error"), std::string::npos);
  EXPECT_NE(Message({'B', 'M'}).find("nem BMP fajl"), std::string::npos);
  EXPECT_NE(Message(with(0, 'P', 1)).find("nem BMP fajl"), std::string::npos);
  // Truncated pixel data, and a pixel offset beyond the file.
  EXPECT_NE(Message(std::vector<uint8_t>(good.begin(), good.end() - 1)).find("csonka vagy serult"),
            std::string::npos);
  EXPECT_NE(Message(with(10, 0xFFFFFFF0u, 4)).find("csonka vagy serult"), std::string::npos);
  // RLE compression, an odd depth, two planes, an unknown header size.
  EXPECT_NE(Message(with(30, 1, 4)).find("tomoritett"), std::string::npos);
  EXPECT_NE(Message(with(28, 2, 2)).find("keppontonkent 2 bit"), std::string::npos);
  EXPECT_NE(Message(with(26, 2, 2)).find("egy sikja"), std::string::npos);
  EXPECT_NE(Message(with(14, 64, 4)).find("fejlecmeret"), std::string::npos);
  // Sizes: zero, negative width, too large to be a map picture.
  EXPECT_NE(Message(with(18, 0, 4)).find("kepmeret"), std::string::npos);
  EXPECT_NE(Message(with(18, 0xFFFFFFFDu, 4)).find("kepmeret"), std::string::npos);
  EXPECT_NE(Message(with(22, 40000, 4)).find("kepmeret"), std::string::npos);
  // A palette larger than 8 bits can index, and one that runs off the end.
  const std::vector<uint8_t> indexed = MakeBmp(3, 2, 8, kCardColours, Card);
  std::vector<uint8_t> big = indexed;
  big[46] = 0x01, big[47] = 0x01;  // 257 colours
  EXPECT_NE(Message(big).find("paletta"), std::string::npos);
  std::vector<uint8_t> runaway = indexed;
  runaway[46] = 200;  // 200 colours, but the file holds 4
  EXPECT_NE(Message(runaway).find("csonka vagy serult"), std::string::npos);
  // Every message names the file.
  EXPECT_EQ(Message({'B', 'M'}).rfind("picture/x.bmp", 0), 0u);
}

// Map pictures are at most 4096 pixels each way.
TEST(MapBmp, PicturesOfMoreThan4096PixelsAWayAreRefused) {
  auto white = [](int, int) { return 1; };
  const std::vector<Colour> palette = {{0, 0, 0}, {255, 255, 255}};
  EXPECT_EQ(DecodeBmp(MakeBmp(4096, 1, 1, palette, white), "w").width(), 4096);
  EXPECT_EQ(DecodeBmp(MakeBmp(1, 4096, 1, palette, white), "h").height(), 4096);
  EXPECT_EQ(Message(MakeBmp(4097, 1, 1, palette, white)), "picture/x.bmp: hibas kepmeret: 4097x1");
  EXPECT_EQ(Message(MakeBmp(1, 4097, 1, palette, white)), "picture/x.bmp: hibas kepmeret: 1x4097");
}

// A 32-bit BMP of one row with bit-field masks after the 40-byte header.
std::vector<uint8_t> BitFieldBmp(const uint32_t (&masks)[3], const std::vector<uint32_t>& row) {
  using test::PutU16;
  using test::PutU32;
  std::vector<uint8_t> b{'B', 'M'};
  const uint32_t pixels = 14 + 40 + 12;
  PutU32(b, pixels + 4 * static_cast<uint32_t>(row.size()));
  PutU32(b, 0);
  PutU32(b, pixels);
  PutU32(b, 40);
  PutU32(b, static_cast<uint32_t>(row.size()));
  PutU32(b, 1);
  PutU16(b, 1);
  PutU16(b, 32);
  PutU32(b, 3);  // bit fields
  for (int i = 0; i < 5; ++i) PutU32(b, 0);
  for (const uint32_t mask : masks) PutU32(b, mask);
  for (const uint32_t pixel : row) PutU32(b, pixel);
  return b;
}

TEST(MapBmp, BitFieldPixelsUseTheirMasks) {
  // Red 0xFF, green 0xFF00, blue 0xFF0000: green alone is light, blue dark.
  MonoBitmap bm = DecodeBmp(BitFieldBmp({0x0000FF, 0x00FF00, 0xFF0000}, {0x00FF00, 0xFF0000}), "e");
  EXPECT_TRUE(bm.Get(0, 0));
  EXPECT_FALSE(bm.Get(1, 0));
  // A green mask of all 32 bits: 0xFFFFFFFF is green 255 and 0xE0000000
  // green 223 (587 * 223 = 130901, light); 0xC0000000 is green 191 (dark).
  bm = DecodeBmp(BitFieldBmp({0, 0xFFFFFFFF, 0}, {0xFFFFFFFF, 0xE0000000, 0xC0000000}), "w");
  EXPECT_TRUE(bm.Get(0, 0));
  EXPECT_TRUE(bm.Get(1, 0));
  EXPECT_FALSE(bm.Get(2, 0));
}

// A written one-bit file decodes to the same pixels with either palette
// order; its header says 14 + 40 + 8 bytes come before the rows.
TEST(MapBmp, WrittenFilesDecodeToTheirPixels) {
  MonoBitmap bm(35, 3);
  bm.Set(0, 0, true);
  bm.Set(34, 2, true);
  DibFields fields;
  fields.xPixelsPerMeter = fields.yPixelsPerMeter = 3780;
  const std::vector<uint8_t> whiteOnBlack = BmpFile(bm, {kBlack, kWhite}, fields);
  ASSERT_EQ(whiteOnBlack.size(), 14u + 40 + 8 + 3 * 8);
  EXPECT_EQ(test::GetU32(whiteOnBlack, 2), whiteOnBlack.size());
  EXPECT_EQ(test::GetU32(whiteOnBlack, 10), 62u);
  EXPECT_EQ(test::GetU32(whiteOnBlack, 38), 3780u);
  EXPECT_EQ(BmpFileHead(bm, {kBlack, kWhite}, fields),
            std::vector<uint8_t>(whiteOnBlack.begin(), whiteOnBlack.begin() + 62));
  const MonoBitmap white = DecodeBmp(whiteOnBlack, "w.bmp");
  const MonoBitmap black = DecodeBmp(BmpFile(bm, {kWhite, kBlack}, fields), "b.bmp");
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 35; ++x) {
      EXPECT_EQ(white.Get(x, y), bm.Get(x, y)) << x << "," << y;
      EXPECT_EQ(black.Get(x, y), !bm.Get(x, y)) << x << "," << y;
    }
}

TEST(MapBmp, LoadNamesTheFileItCannotOpen) {
  test::TempDir dir;
  try {
    LoadBmp(dir.path() + "/nincs.bmp", "picture/nincs.bmp");
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.text(), "'picture/nincs.bmp' nem nyithato meg: " + test::SystemWords("ENOENT"));
  }
  auto failure = [](const std::string& path) {
    try {
      LoadBmp(path, "picture/x.bmp");
    } catch (const Error& e) {
      return e.kind() + ": " + e.text();
    }
    return std::string("no error");
  };
  EXPECT_EQ(failure(dir.path()), "Kephiba: 'picture/x.bmp' nem nyithato meg: mappa, nem fajl");
  EXPECT_EQ(
      failure(test::kDeviceFile),
      "Kephiba: 'picture/x.bmp' nem nyithato meg: nem kozonseges fajl (hanem eszkoz vagy cso)");
  // Larger than any picture of 4096 x 4096 pixels can be (a sparse file).
  const std::string huge = dir.Write("huge.bmp", "BM");
  std::filesystem::resize_file(huge, (std::uintmax_t{72} << 20) + 1);
  EXPECT_EQ(failure(huge), "Kephiba: 'picture/x.bmp' nem olvashato: nagyobb, mint 72 MB");
  dir.Write("ok.bmp", test::AsString(MakeBmp(3, 2, 8, kCardColours, Card)));
  ExpectCard(LoadBmp(dir.path() + "/ok.bmp", "ok"));
}

}  // namespace
}  // namespace qv
