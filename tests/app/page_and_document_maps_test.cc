// The map picture of the item-list page against the one of the document:
// the page shows the very picture the converter draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "convert/maps/map_section.h"
#include "itemlist/page_file.h"
#include "itemlist/page_maps.h"
#include "maps/map_drawing.h"
#include "tests/support/consoles.h"
#include "tests/support/converter_harness.h"
#include "tests/support/lines.h"
#include "tests/support/metafile_records.h"
#include "tests/support/page_pictures.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_pictures.h"

namespace qv {
namespace {

using test::BmpOfLine;
using test::NewLayoutApplet;
using test::PictureRun;
using test::SplitLines;

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
