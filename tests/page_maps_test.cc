// The map pictures of the item-list page: the BMP file in its data: address,
// the applet's parameters as each layout holds them, the picture line put
// after the applet, and maps that cannot be drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "convert/maps/map_section.h"
#include "convert/maps/page_map.h"
#include "graphics/applet_map.h"
#include "graphics/map_drawing.h"
#include "itemlist/page_file.h"
#include "itemlist/page_maps.h"
#include "tests/maps_support.h"
#include "text/base64.h"
#include "text/cp1250.h"

namespace qv {
namespace {

using test::GetU16;
using test::GetU32;

std::vector<uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

std::vector<uint8_t> FromBase64(std::string_view text) {
  static const std::string kDigits =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::vector<uint8_t> out;
  uint32_t bits = 0;
  int count = 0;
  for (char c : text) {
    if (c == '=') break;
    bits = bits << 6 | static_cast<uint32_t>(kDigits.find(c));
    if ((count += 6) >= 8) out.push_back(static_cast<uint8_t>(bits >> (count -= 8)));
  }
  return out;
}

// The BMP file of a picture line, decoded from its data: address.
std::vector<uint8_t> BmpOfLine(const std::string& line) {
  const std::string open = "data:image/bmp;base64,";
  const std::size_t from = line.find(open) + open.size();
  return FromBase64(line.substr(from, line.find('"', from) - from));
}

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

// The 0 x 0 map is the bare margins, 71 x 67 pixels, white: 12 bytes a row,
// a file of 14 + 40 + 8 + 12 * 67 = 866 (0x362) bytes. "BM" and 0x62 are
// "Qk1i" in base64.
TEST(PageMapEncoding, PictureLineOfTheSmallestMap) {
  const std::string line = MapImageLine(NewMapBitmap(MapFrame{}));
  EXPECT_EQ(line.rfind("<center><img src=\"data:image/bmp;base64,Qk1i", 0), 0u);
  const std::string tail("\" width=\"71\" height=\"67\" alt=\"Térkép\" style=\"max-width: 100%; height: auto\"></center>"_cp);
  ASSERT_GT(line.size(), tail.size());
  EXPECT_EQ(line.substr(line.size() - tail.size()), tail);

  const std::vector<uint8_t> bmp = BmpOfLine(line);
  ASSERT_EQ(bmp.size(), 866u);
  EXPECT_EQ(GetU32(bmp, 2), 866u);  // file size
  EXPECT_EQ(GetU32(bmp, 6), 0u);    // reserved
  EXPECT_EQ(GetU32(bmp, 10), 62u);  // where the rows start
  EXPECT_EQ(GetU32(bmp, 14), 40u);  // the DIB's own header
  EXPECT_EQ(GetU32(bmp, 18), 71u);
  EXPECT_EQ(GetU32(bmp, 22), 67u);  // positive: bottom-up
  EXPECT_EQ(GetU32(bmp, 26), 1u | 1u << 16);  // one plane, one bit
  EXPECT_EQ(GetU32(bmp, 30), 0u);   // no compression
  EXPECT_EQ(GetU32(bmp, 34), 804u);
  EXPECT_EQ(GetU32(bmp, 46), 2u);   // colours used
  EXPECT_EQ(GetU32(bmp, 54), 0x00000000u);  // black
  EXPECT_EQ(GetU32(bmp, 58), 0x00FFFFFFu);  // white
  EXPECT_EQ(bmp[62], 0xFF);
  EXPECT_EQ(bmp[70], 0xFE);  // pixels 64 to 70 white, the padding clear
  EXPECT_EQ(bmp[71], 0x00);
}

// --- The applet's parameters --------------------------------------------------

TEST(AppletParams, OlderLayoutCutsItsOneLineAndStopsAfterTheClosingPiece) {
  const auto p = ReadAppletParams(
      {"<CENTER> <APPLET CODE=\"Terkep.class\"> <PARAM NAME=koord VALUE=\"2,1,10,8;\"> "
       "<PARAM NAME=p1 VALUE=\"0,0,5,0,0;\"> <param name=P2 value=\"0,1,6,0,0;\"></APPLET> "
       "<PARAM NAME=p3 VALUE=\"0,0,1,0,0;\">"},
      Layout::kRtf);
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(p->frame, "<PARAM NAME=koord VALUE=\"2,1,10,8;\">");
  EXPECT_EQ(p->cells, (std::vector<std::string>{"<PARAM NAME=p1 VALUE=\"0,0,5,0,0;\">",
                                                 "<param name=P2 value=\"0,1,6,0,0;\"></APPLET>"}));
}

TEST(AppletParams, NewerLayoutTakesLinesAsWrittenUpToTheTableEnd) {
  const auto p = ReadAppletParams({"<applet code=\"Terkep.class\">", "<param name=p0 value=\"x\">",
                                   "<param name=koord value=\"1,1,5,5;\">",
                                   "<param name=p1 value=\"0,0,5,0,0;\">",
                                   "<PARAM NAME=p2 value=\"0,0,6,0,0;\">", "</TABLE></CENTER>",
                                   "<param name=p3 value=\"0,0,7,0,0;\">", "</applet>"},
                                  Layout::kRtfUj);
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(p->frame, "<param name=koord value=\"1,1,5,5;\">");
  EXPECT_EQ(p->cells, (std::vector<std::string>{"<param name=p1 value=\"0,0,5,0,0;\">"}));
  // Case as written: an upper-case frame line is no frame here.
  EXPECT_FALSE(ReadAppletParams({"<PARAM NAME=koord VALUE=\"1,1,5,5;\">"}, Layout::kRtfUj));
  EXPECT_TRUE(ReadAppletParams({"<PARAM NAME=koord VALUE=\"1,1,5,5;\">"}, Layout::kRtf));
}

// --- The picture line after the applet ----------------------------------------

std::string PageWithPictures(const std::string& text, const MapPictureMaker& maker) {
  PageFile page;
  page.Write(text);
  AddMapPictures(page, maker);
  page.Finish();
  return page.Text();
}

TEST(PagePictureLines, GoAfterTheClosingLineAndKeepTheAppletAsItWas) {
  std::vector<std::vector<std::string>> seen;
  auto maker = [&seen](const std::vector<std::string>& applet) {
    seen.push_back(applet);
    return "PIC" + std::to_string(seen.size());
  };
  const std::string page = PageWithPictures(
      "a\r\n<td><Applet code=x>\r\n<param name=koord value=\"1\">\r\n</APPLET></td>\r\nb\r\n"
      "<APPLET> <PARAM> </applet> </CENTER>\r\nc\r\n",
      maker);
  EXPECT_EQ(page,
            "a\r\n<td><Applet code=x>\r\n<param name=koord value=\"1\">\r\n</APPLET></td>\r\n"
            "PIC1\r\nb\r\n<APPLET> <PARAM> </applet> </CENTER>\r\nPIC2\r\nc\r\n");
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], (std::vector<std::string>{"<td><Applet code=x>",
                                               "<param name=koord value=\"1\">", "</APPLET></td>"}));
  EXPECT_EQ(seen[1], (std::vector<std::string>{"<APPLET> <PARAM> </applet> </CENTER>"}));
}

TEST(PagePictureLines, NothingWithoutAClosedAppletOrAPicture) {
  int calls = 0;
  auto maker = [&calls](const std::vector<std::string>&) {
    ++calls;
    return std::string();
  };
  // No applet, an applet never closed, a closing tag with none open.
  const std::string plain = "x\r\n</applet>\r\n<applet>\r\n<param>\r\n";
  EXPECT_EQ(PageWithPictures(plain, maker), plain);
  EXPECT_EQ(calls, 0);
  // A picture the maker cannot give, and no maker at all.
  const std::string applet = "<applet>\r\n</applet>\r\n";
  EXPECT_EQ(PageWithPictures(applet, maker), applet);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(PageWithPictures(applet, MapPictureMaker()), applet);
}

TEST(PagePictureLines, AnAppletOpenedAgainStartsOverAndALastLineGetsItsEnd) {
  std::vector<std::string> seen;
  auto maker = [&seen](const std::vector<std::string>& applet) {
    seen = applet;
    return std::string("PIC");
  };
  EXPECT_EQ(PageWithPictures("<applet a>\r\n<applet b>\r\n</applet>", maker),
            "<applet a>\r\n<applet b>\r\n</applet>\r\nPIC\r\n");
  EXPECT_EQ(seen, (std::vector<std::string>{"<applet b>", "</applet>"}));
}

// --- Maps drawn for a page ----------------------------------------------------

const char* const kNewLayoutApplet[] = {
    "<applet code=\"Terkep.class\" width=471 height=267>", "<param name=koord value=\"2,1,10,8;\">",
    "<param name=p1 value=\"0,0,5,3,1;\">", "<param name=p2 value=\"0,1,7,0,2;\">", "</applet>"};

std::vector<std::string> NewLayoutApplet() {
  return {std::begin(kNewLayoutApplet), std::end(kNewLayoutApplet)};
}

// The page shows the very DIB the document's metafile carries.
TEST(PageMapPictures, SamePictureAsTheDocument) {
  std::string report = "<h2>map</h2>\r\n";
  for (const char* line : kNewLayoutApplet) (report += line) += "\r\n";
  report += "</td></tr></table></center>\r\n(10,8) Falu<br>\r\n";
  test::MapHarness h(Layout::kRtfUj, report);
  h.run.ReadLine();
  ASSERT_TRUE(DrawMap(h.run));
  const std::string& rtf = h.out.Text();
  const std::size_t at = rtf.find("{\\pict");
  ASSERT_NE(at, std::string::npos);
  const std::vector<uint8_t> wmf =
      test::PictureGroupBytes(rtf.substr(at, rtf.find("\r\n", at) - at));
  const std::size_t dibAt = test::WmfRecords(wmf).at(7).at + 6 + 22;  // the StretchDIB's DIB

  MapResources resources;
  PageMapPictures maps(h.ctx, Layout::kRtfUj, "r_1.htm", resources);
  const std::string line = maps(NewLayoutApplet());
  EXPECT_NE(line.find("width=\"471\" height=\"267\""), std::string::npos);
  const std::vector<uint8_t> bmp = BmpOfLine(line);
  ASSERT_EQ(bmp.size(), 14 + 40 + 8 + std::size_t{60} * 267);
  EXPECT_TRUE(std::equal(bmp.begin() + 14, bmp.end(), wmf.begin() + dibAt));
}

TEST(PageMapPictures, AMapThatCannotBeDrawnGivesNoPictureAndAWarning) {
  test::TempDir dir;  // no pictures in it
  test::RecordingConsole console;
  RunContext ctx{console, dir.path() + "/"};
  MapResources resources;
  PageMapPictures maps(ctx, Layout::kRtfUj, "r_1.htm", resources);
  EXPECT_EQ(maps(NewLayoutApplet()), "");
  ASSERT_EQ(console.lines.size(), 1u);
  EXPECT_EQ(console.lines[0].rfind("ERR qvformat: the item-list page of 'r_1.htm' shows a map "
                                   "without its picture: Picture error: cannot open picture/",
                                   0),
            0u);
  // No frame parameter: nothing to draw and nothing to say.
  EXPECT_EQ(maps({"<applet>", "</applet>"}), "");
  EXPECT_EQ(console.lines.size(), 1u);
}

TEST(PageMapPictures, TooManyTilesAndThePageBudgetAreRefusedPerMap) {
  test::TempDir dir;
  test::WriteTestPictures(dir);
  test::RecordingConsole console;
  RunContext ctx{console, dir.path() + "/"};
  MapResources resources;
  PageMapPictures maps(ctx, Layout::kRtf, "r_1.htm", resources);
  auto applet = [](const std::string& frame) {
    return std::vector<std::string>{"<CENTER> <APPLET> <PARAM NAME=koord VALUE=\"" + frame +
                                    ";\"> </APPLET> </CENTER>"};
  };
  EXPECT_EQ(maps(applet("101,1,0,0")), "");
  // 48 MB of picture data fits the 64 MB of a page once, not twice.
  EXPECT_NE(maps(applet("100,100,0,0")), "");
  EXPECT_EQ(maps(applet("100,100,0,0")), "");
  EXPECT_NE(maps(applet("1,1,0,0")), "");
  ASSERT_EQ(console.lines.size(), 2u);
  EXPECT_NE(console.lines[0].find("Map error: the map in 'r_1.htm' has 101 x 1 tiles"),
            std::string::npos);
  EXPECT_NE(console.lines[1].find("Picture error: the maps in 'r_1.htm' would take more than 64 MB"),
            std::string::npos);
}

}  // namespace
}  // namespace qv
