// The map picture of the item-list page against the one of the document:
// the page shows the very picture the converter draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "convert/maps/map_section.h"
#include "maps/map_drawing.h"
#include "itemlist/page_file.h"
#include "itemlist/page_maps.h"
#include "tests/support/consoles.h"
#include "tests/support/converter_harness.h"
#include "tests/support/lines.h"
#include "tests/support/metafile_records.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_pictures.h"

namespace qv {
namespace {

using test::SplitLines;

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

// A page's text with the map pictures put in; the programme's directory holds
// the test pictures.
struct PictureRun {
  std::string Page(const std::string& text, Layout layout = Layout::kNewer) {
    PageFile page;
    page.Write(text);
    AddMapPictures(page, ctx, layout, "r_1.htm", resources);
    page.Finish();
    return page.Text();
  }

  test::TempDir dir;
  bool written = (test::WriteTestPictures(dir), true);
  test::RecordingConsole console;
  RunContext ctx{console, dir.path() + "/"};
  MapResources resources;
};

const char* const kNewLayoutApplet[] = {
    "<applet code=\"Terkep.class\" width=471 height=267>", "<param name=koord value=\"2,1,10,8;\">",
    "<param name=p1 value=\"0,0,5,3,1;\">", "<param name=p2 value=\"0,1,7,0,2;\">", "</applet>"};

std::string NewLayoutApplet() {
  std::string text;
  for (const char* line : kNewLayoutApplet) (text += line) += "\r\n";
  return text;
}

// The page shows the very DIB the document's metafile carries.
TEST(PageMapPictures, SamePictureAsTheDocument) {
  std::string report = "<h2>map</h2>\r\n" + NewLayoutApplet();
  report += "</td></tr></table></center>\r\n(10,8) Falu<br>\r\n";
  test::ConverterHarness h(Layout::kNewer, report);
  h.run.ReadLine();
  ASSERT_TRUE(DrawMap(h.run));
  const std::string& rtf = h.out.Text();
  const std::size_t at = rtf.find("{\\pict");
  ASSERT_NE(at, std::string::npos);
  const std::vector<uint8_t> wmf =
      test::PictureGroupBytes(rtf.substr(at, rtf.find("\r\n", at) - at));
  const std::size_t dibAt = test::WmfRecords(wmf).at(7).at + 6 + 22;  // the StretchDIB's DIB

  PictureRun run;
  const std::vector<std::string> lines = SplitLines(run.Page(NewLayoutApplet()));
  ASSERT_EQ(lines.size(), 6u);
  const std::string& line = lines[5];
  EXPECT_NE(line.find("width=\"471\" height=\"267\""), std::string::npos);
  const std::vector<uint8_t> bmp = BmpOfLine(line);
  ASSERT_EQ(bmp.size(), 14 + 40 + 8 + std::size_t{60} * 267);
  EXPECT_TRUE(std::equal(bmp.begin() + 14, bmp.end(), wmf.begin() + dibAt));
}

}  // namespace
}  // namespace qv
