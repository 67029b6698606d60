// The view cuts of the section tables against the string cuts they stand for.
#include "convert/section_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "rtfkit/rtf_escape.h"
#include "tests/support/token_soup.h"
#include "text/line_cuts.h"
#include "text/text.h"

namespace qv {
namespace {

TEST(SectionTables, ViewCutsAsTheStringCuts) {
  test::TokenSoup soup({"<TD>", "</TD>", "x", "<", "D>", " "}, 11);
  const std::string_view markers[] = {"<TD>", "</TD>", "", "D"};
  for (int i = 0; i < 3000; ++i) {
    const std::string text = soup.Next(12);
    for (const std::string_view marker : markers) {
      for (int extra = 0; extra < 3; ++extra) {
        std::string cut = text;
        DeleteThrough(cut, marker, extra);
        std::string_view view = text;
        CutThrough(view, marker, extra);
        ASSERT_EQ(view, cut) << text << " " << marker << " " << extra;
      }
      ASSERT_EQ(ViewBefore(text, marker), TextBefore(text, marker)) << text << " " << marker;
      if (marker.empty()) continue;
      std::string_view at = text;
      CutThroughAt(at, at.find(marker), marker);
      std::string_view cut = text;
      CutThrough(cut, marker);
      ASSERT_EQ(at, cut) << text << " " << marker;
    }
  }
}

TEST(SectionTables, TaglessCellsAsStripTags) {
  test::TokenSoup soup({"<", ">", "<b>", "</TD>", "&gt", "&nbsp;", "&", "x", " ", "{", "\\"}, 12);
  CellLine cell;
  for (int i = 0; i < 3000; ++i) {
    const std::string text = soup.Next(12);
    ASSERT_EQ(cell.OfTagless(text), R"({\fs18 )" + RtfEscape(StripTags(text)) + R"(}\cell)")
        << text;
  }
}

TEST(SectionTables, CellLinesUseTheirBuffersAgain) {
  CellLine cell;
  EXPECT_EQ(cell.OfPlain("<TD> a {b}  c</TD>"), R"({\fs18 a \{b\} c}\cell)");
  EXPECT_EQ(cell.Of("x\\"), R"({\fs18 x\\}\cell)");
  EXPECT_EQ(cell.OfPlain(""), R"({\fs18 }\cell)");
}

}  // namespace
}  // namespace qv
