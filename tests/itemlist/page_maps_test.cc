// The map pictures of the item-list page: the BMP file in its data: address,
// the picture line put after the applet, and maps that cannot be drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "config/file_places.h"
#include "itemlist/page_file.h"
#include "itemlist/page_maps.h"
#include "maps/map_drawing.h"
#include "tests/support/bytes.h"
#include "tests/support/consoles.h"
#include "tests/support/lines.h"
#include "tests/support/metafile_records.h"
#include "tests/support/page_pictures.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_pictures.h"
#include "text/base64.h"
#include "text/cp1250.h"
#include "text/text.h"

namespace qv {
namespace {

using test::BmpOfLine;
using test::Bytes;
using test::FromBase64;
using test::GetU16;
using test::GetU32;
using test::NewLayoutApplet;
using test::PictureRun;
using test::SplitLines;

TEST(PageMapEncoding, Base64OfEveryTailLength) {
  EXPECT_EQ(Base64(Bytes("")), "");
  EXPECT_EQ(Base64(Bytes("f")), "Zg==");
  EXPECT_EQ(Base64(Bytes("fo")), "Zm8=");
  EXPECT_EQ(Base64(Bytes("foobar")), "Zm9vYmFy");
  EXPECT_EQ(Base64(std::vector<uint8_t>{0xFF, 0xFE, 0x00, 0x3E}), "//4APg==");
}

// Texts of megabytes are encoded a block at a time: lengths around the
// block's end round-trip; appending to a text of whole groups continues it.
TEST(PageMapEncoding, Base64AcrossBlocksAndAppended) {
  for (const std::size_t size : {3071u, 3072u, 3073u, 6146u, 100000u}) {
    std::vector<uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + i / 256);
    const std::string text = Base64(bytes);
    EXPECT_EQ(text.size(), (size + 2) / 3 * 4) << size;
    EXPECT_EQ(FromBase64(text), bytes) << size;
    std::string joined = Base64(std::span(bytes).first(3000));
    AppendBase64(std::span(bytes).subspan(3000), joined);
    EXPECT_EQ(joined, text) << size;
  }
}

// Short texts, two groups at a time and one left over, round-trip.
TEST(PageMapEncoding, Base64OfShortTexts) {
  for (std::size_t size = 0; size <= 20; ++size) {
    std::vector<uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(255 - i * 37);
    EXPECT_EQ(FromBase64(Base64(bytes)), bytes) << size;
  }
}

// Texts put in at the page's end are written in by Finish(), in offset
// order and, at one offset, in the order given; an offset past the end is
// the end; the page's positions never counted them.
TEST(PageFileInserts, WrittenInByFinishInOffsetOrder) {
  PageFile page;
  page.Line("one");
  page.Line("two");
  page.InsertAtFinish(10, "[end]");
  page.InsertAtFinish(5, "[a]");
  page.InsertAtFinish(5, "[b]");
  page.InsertAtFinish(0, "[top]");
  EXPECT_EQ(page.Position(), 10);
  page.Finish();
  EXPECT_EQ(page.Text(), "[top]one\r\n[a][b]two\r\n[end]");

  test::TempDir dir;
  PageFile file = PageFile::Create(dir.path() + "/p.htm");
  file.Line("one");
  file.InsertAtFinish(99, "[past]");
  file.InsertAtFinish(3, "!");
  file.Finish();
  EXPECT_EQ(dir.Read("p.htm"), "one!\r\n[past]");
}

// Bytes put out in pieces of every size, from a byte to more than the
// blocks they gather in, reach the file whole and in order.
TEST(PageFileWrites, PiecesOfEverySizeReachTheFileInOrder) {
  // Puts the page's text out in pieces of the sizes it is given, in turn.
  struct Pieces : PageTextSink {
    std::vector<std::size_t> sizes;
    std::size_t next = 0;
    void Put(PageFile& page, std::string_view text) override {
      while (!text.empty()) {
        const std::size_t n = std::min(text.size(), sizes[next++ % sizes.size()]);
        page.PutOut(text.substr(0, n));
        text.remove_prefix(n);
      }
    }
    void End(PageFile& page) override { page.PutOut("[end]"); }
  };
  test::TempDir dir;
  std::uint32_t seed = 11;
  std::string expected;
  auto sink = std::make_unique<Pieces>();
  for (int i = 0; i < 60; ++i) {
    seed = seed * 1103515245 + 12345;
    const std::size_t kinds[] = {1, 2, 700, 65535, 65536, 65537, 131071, 131072, 131073, 400000};
    sink->sizes.push_back(kinds[(seed >> 16) % 10]);
  }
  PageFile page = PageFile::Create(dir.path() + "/p.htm");
  page.SendTextTo(std::move(sink));
  for (int i = 0; i < 300; ++i) {
    seed = seed * 1103515245 + 12345;
    const std::string text((seed >> 16) % 20000, static_cast<char>('a' + i % 26));
    page.Line(text);
    expected += text + "\r\n";
    page.SettleBefore(page.Position());
  }
  page.Finish();
  EXPECT_EQ(dir.Read("p.htm"), expected + "[end]");
}

// The applet search finds what the lowered search of the text helpers finds,
// from every start, on texts full of near misses.
TEST(PageMapApplets, FoundAsTheLoweredSearchFindsThem) {
  const std::vector<std::string> parts = {"<applet", "<APPLET", "<Applet", "<applex", "<a", "<A",
                                          "<",       "a",       "pplet",   "\r\n",    "x",  "\xC1"};
  std::uint32_t seed = 7;
  for (int round = 0; round < 300; ++round) {
    std::string text;
    for (int n = 0; n < round % 40; ++n) {
      seed = seed * 1103515245 + 12345;
      text += parts[(seed >> 16) % parts.size()];
    }
    for (std::size_t from = 0; from <= text.size() + 1; ++from)
      ASSERT_EQ(FindAppletStart(text, from), FindLoweredFrom(text, "<applet", from)) << text;
  }
}

// The 0 x 0 map is the bare margins, 71 x 67 pixels, white: 12 bytes a row,
// a file of 14 + 40 + 8 + 12 * 67 = 866 (0x362) bytes. "BM" and 0x62 are
// "Qk1i" in base64.
TEST(PageMapEncoding, PictureLineOfTheSmallestMap) {
  const std::string line = MapImageLine(NewMapBitmap(MapFrame{}));
  EXPECT_EQ(line.rfind("<center><img src=\"data:image/bmp;base64,Qk1i", 0), 0u);
  const std::string tail(
      "\" width=\"71\" height=\"67\" alt=\"Térkép\" style=\"max-width: 100%; height: auto\"></center>"_cp);
  ASSERT_GT(line.size(), tail.size());
  EXPECT_EQ(line.substr(line.size() - tail.size()), tail);

  const std::vector<uint8_t> bmp = BmpOfLine(line);
  ASSERT_EQ(bmp.size(), 866u);
  EXPECT_EQ(GetU32(bmp, 2), 866u);  // file size
  EXPECT_EQ(GetU32(bmp, 6), 0u);    // reserved
  EXPECT_EQ(GetU32(bmp, 10), 62u);  // where the rows start
  EXPECT_EQ(GetU32(bmp, 14), 40u);  // the DIB's own header
  EXPECT_EQ(GetU32(bmp, 18), 71u);
  EXPECT_EQ(GetU32(bmp, 22), 67u);            // positive: bottom-up
  EXPECT_EQ(GetU32(bmp, 26), 1u | 1u << 16);  // one plane, one bit
  EXPECT_EQ(GetU32(bmp, 30), 0u);             // no compression
  EXPECT_EQ(GetU32(bmp, 34), 804u);
  EXPECT_EQ(GetU32(bmp, 46), 2u);           // colours used
  EXPECT_EQ(GetU32(bmp, 54), 0x00000000u);  // black
  EXPECT_EQ(GetU32(bmp, 58), 0x00FFFFFFu);  // white
  EXPECT_EQ(bmp[62], 0xFF);
  EXPECT_EQ(bmp[70], 0xFE);  // pixels 64 to 70 white, the padding clear
  EXPECT_EQ(bmp[71], 0x00);
}

// --- The picture line after the applet ----------------------------------------

// A 1 x 1 map is 271 pixels wide, a 2 x 1 map 471.
TEST(PagePictureLines, GoAfterTheClosingLineAndKeepTheAppletAsItWas) {
  PictureRun run;
  const std::string page = run.Page(
      "a\r\n<td><Applet code=x>\r\n<param name=koord value=\"1,1,0,0;\">\r\n</APPLET></td>\r\n"
      "b\r\n<APPLET> <param name=koord value=\"2,1,0,0;\"> </applet> </CENTER>\r\nc\r\n");
  const std::vector<std::string> lines = SplitLines(page);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[3], "</APPLET></td>");
  EXPECT_EQ(PictureRun::PictureWidth(lines[4]), 271);
  EXPECT_EQ(lines[5], "b");
  EXPECT_EQ(lines[6], "<APPLET> <param name=koord value=\"2,1,0,0;\"> </applet> </CENTER>");
  EXPECT_EQ(PictureRun::PictureWidth(lines[7]), 471);
  EXPECT_EQ(lines[8], "c");
  EXPECT_TRUE(run.console.lines.empty());
}

TEST(PagePictureLines, NothingWithoutAClosedAppletOrAFrame) {
  PictureRun run;
  // No applet, an applet never closed, a closing tag with none open.
  const std::string plain =
      "x\r\n</applet>\r\n<applet>\r\n<param name=koord value=\"1,1,0,0;\">\r\n";
  EXPECT_EQ(run.Page(plain), plain);
  // An applet without a frame parameter.
  const std::string applet = "<applet>\r\n<param name=p1 value=\"0,0,5,0,0;\">\r\n</applet>\r\n";
  EXPECT_EQ(run.Page(applet), applet);
  EXPECT_TRUE(run.console.lines.empty());
}

TEST(PagePictureLines, AnAppletOpenedAgainStartsOverAndALastLineGetsItsEnd) {
  PictureRun run;
  const std::string page = run.Page(
      "<applet a>\r\n<param name=koord value=\"2,1,0,0;\">\r\n<applet b>\r\n"
      "<param name=koord value=\"1,1,0,0;\">\r\n</applet>");
  const std::vector<std::string> lines = SplitLines(page);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[4], "</applet>");
  EXPECT_EQ(PictureRun::PictureWidth(lines[5]), 271);  // the later frame
  EXPECT_EQ(page.substr(page.size() - 2), "\r\n");
}

// A page that goes out while it is written, in pieces cut anywhere (inside
// a line, between a CR and its line feed, inside "<applet"), gets the same
// pictures as one that goes out whole.
TEST(PagePictureLines, TheSameWhenThePageGoesOutInPieces) {
  PictureRun run;
  const std::string filler(120000, 'f');
  std::string text;
  for (int i = 0; i < 6; ++i)
    text += filler + "\r\n<td><Applet code=x>\r\n<param name=koord value=\"1,1,0,0;\">\r\n" +
            (i % 2 == 0 ? filler : "") + "</APPLET>" + (i == 5 ? "" : "\r\n");
  const std::string whole = run.Page(text);
  std::uint32_t seed = 3;
  for (int round = 0; round < 3; ++round) {
    PageFile page;
    AddMapPictures(page, run.ctx, Layout::kNewer, "r_1.htm", run.resources);
    for (std::size_t at = 0; at < text.size();) {
      seed = seed * 1103515245 + 12345;
      const std::size_t n = std::min<std::size_t>(text.size() - at, (seed >> 8) % 90000);
      page.Write(std::string_view(text).substr(at, n));
      page.SettleBefore(page.Position() - static_cast<std::int64_t>((seed >> 4) % 3));
      at += n;
    }
    page.Finish();
    EXPECT_EQ(page.Text(), whole) << round;
  }
  EXPECT_NE(whole, text);
}

// --- Maps drawn for a page ----------------------------------------------------

TEST(PageMapPictures, AMapThatCannotBeDrawnGivesNoPictureAndAWarning) {
  test::TempDir dir;  // no pictures in it
  test::RecordingConsole console;
  RunContext ctx{console, dir.path() + "/"};
  MapResources resources(FindPicture);
  PageFile page;
  page.Write(NewLayoutApplet());
  AddMapPictures(page, ctx, Layout::kNewer, "r_1.htm", resources);
  page.Finish();
  EXPECT_EQ(page.Text(), NewLayoutApplet());
  ASSERT_EQ(console.lines.size(), 1u);
  EXPECT_EQ(console.lines[0].rfind(
                "ERR qvformat: Figyelem: 'r_1.htm' targylista-oldalan egy terkep kep nelkul marad: "
                "Kephiba: tenger.bmp nem talalhato; kerestem itt: ",
                0),
            0u);
}

// The picture budget counts the maps of one page; the next page starts anew.
TEST(PageMapPictures, TooManyTilesAndThePageBudgetAreRefusedPerMap) {
  PictureRun run;
  auto applet = [](const std::string& frame) {
    return "<CENTER> <APPLET> <PARAM NAME=koord VALUE=\"" + frame + ";\"> </APPLET> </CENTER>\r\n";
  };
  // 48 MB of picture data fits the 64 MB of a page once, not twice.
  const std::vector<std::string> lines = SplitLines(run.Page(
      applet("101,1,0,0") + applet("100,100,0,0") + applet("100,100,0,0") + applet("1,1,0,0"),
      Layout::kOlder));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(PictureRun::PictureWidth(lines[2]), 20071);
  EXPECT_EQ(PictureRun::PictureWidth(lines[5]), 271);
  ASSERT_EQ(run.console.lines.size(), 2u);
  EXPECT_NE(run.console.lines[0].find("Terkephiba: 'r_1.htm' terkepe 101 x 1 mezos"),
            std::string::npos);
  EXPECT_NE(run.console.lines[1].find("Kephiba: 'r_1.htm' terkepei tobb mint 64 MB kepadatot"),
            std::string::npos);
  EXPECT_EQ(
      PictureRun::PictureWidth(SplitLines(run.Page(applet("100,100,0,0"), Layout::kOlder))[1]),
      20071);
}

}  // namespace
}  // namespace qv
