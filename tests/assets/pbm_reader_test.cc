#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "graphics/metafile.h"
#include "graphics/pbm_image.h"
#include "platform/error.h"
#include "rtfkit/banner_picture.h"
#include "tests/support/bytes.h"

namespace qv {
namespace {

using test::Bytes;

MonoBitmap Read(const std::string& pbm, int width, int height) {
  return ReadPbm(Bytes(pbm), width, height, "test.pbm");
}

TEST(PbmReader, RowsTurnBottomUpAndPadToFourBytes) {
  // 10 x 3, comments and mixed whitespace in the header. Rows top-down:
  // pixels 0, 1 and 9; pixels 8 and 9 with the padding bits set; pixels 0 and 7.
  const std::string pbm = std::string("P4 # drawn by hand\r\n#\n 10\t3\n") + "\xC0\x40" +
                          std::string("\x00\xFF", 2) + std::string("\x81\x00", 2);
  const MonoBitmap bm = Read(pbm, 10, 3);
  const std::vector<uint8_t> rows(bm.DibRows().begin(), bm.DibRows().end());
  EXPECT_EQ(rows, (std::vector<uint8_t>{0x81, 0x00, 0, 0,  //
                                        0x00, 0xC0, 0, 0,  //
                                        0xC0, 0x40, 0, 0}));
  EXPECT_TRUE(bm.Get(9, 0));
  EXPECT_TRUE(bm.Get(7, 2));
  EXPECT_FALSE(bm.Get(2, 0));
}

// The writer's file is read back as it was; the bits after a row's last
// pixel are written clear, whatever the bitmap holds there.
TEST(PbmReader, WrittenFileReadsBack) {
  MonoBitmap bm = MonoBitmap::FromDibRows(10, 2, std::vector<uint8_t>{0x81, 0x3F, 0, 0,  //
                                                                      0xC0, 0x40, 0, 0});
  const std::vector<uint8_t> pbm = PbmFile(bm);
  EXPECT_EQ(pbm, Bytes(std::string("P4\n10 2\n\xC0\x40\x81\x00", 12)));
  const MonoBitmap back = ReadPbm(pbm, 10, 2, "written.pbm");
  EXPECT_EQ(std::vector<uint8_t>(back.DibRows().begin(), back.DibRows().end()),
            (std::vector<uint8_t>{0x81, 0x00, 0, 0, 0xC0, 0x40, 0, 0}));
}

TEST(PbmReader, AnythingButTheExpectedImageStops) {
  const std::string pixels(6, '\0');  // 10 x 3 takes 2 bytes a row
  const struct {
    std::string pbm;
    int height;
    std::string why;
  } cases[] = {
      {"P4\n10 3\n" + pixels, 2, "10 x 3 keppontos 10 x 2 helyett"},
      {"P1\n10 3\n" + pixels, 3, "nem \"P4\" az eleje"},
      {"P", 3, "nem \"P4\" az eleje"},
      {"P410 3\n" + pixels, 3, "a fejlec mezoi kozott nincs elvalaszto"},
      {"P4\n10 x\n" + pixels, 3, "hianyzik a magassag"},
      {"P4\n10 3", 3, "a magassag utan nincs elvalaszto"},
      {"P4\n10 3#\n" + pixels, 3, "a magassag utan nincs elvalaszto"},
      {"P4\n10 3\n" + pixels.substr(1), 3, "a keppontok 5 bajtot foglalnak 6 helyett"},
      {"P4\n10 3\n" + pixels + '\n', 3, "a keppontok 7 bajtot foglalnak 6 helyett"},
      {"P4\n10 99999999999\n", 3, "tul nagy a magassag"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pbm);
    try {
      Read(c.pbm, 10, c.height);
      ADD_FAILURE() << "no error";
    } catch (const Error& e) {
      EXPECT_EQ(e.kind(), "Kephiba");
      EXPECT_EQ(e.text(), "test.pbm nem hasznalhato PBM kep: " + c.why);
    }
  }
}

TEST(PbmReader, CompiledInBannerIsTheCommittedFile) {
  std::ifstream file(QV_SOURCE_DIR "/assets/banner.pbm", std::ios::binary);
  ASSERT_TRUE(file);
  const std::vector<uint8_t> pbm{std::istreambuf_iterator<char>(file), {}};
  const MonoBitmap fromFile = ReadPbm(pbm, kBannerWidth, kBannerHeight, "banner.pbm");
  const std::span<const uint8_t> compiled = kBannerBitmap.bytes();
  ASSERT_EQ(compiled.size(), static_cast<std::size_t>(kBannerBitmapBytes));
  EXPECT_TRUE(std::equal(compiled.begin(), compiled.end(), fromFile.DibRows().begin(),
                         fromFile.DibRows().end()));
}

}  // namespace
}  // namespace qv
