#include "maps/map_params.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "maps/applet_map.h"
#include "platform/error.h"

namespace qv {
namespace {

TEST(MapParams, FrameFieldsInOrder) {
  const MapFrame f = ParseMapFrame(R"(<param name=koord value="3,2,10,-4;">)");
  EXPECT_EQ(f.columns, 3);
  EXPECT_EQ(f.rows, 2);
  EXPECT_EQ(f.firstColumn, 10);
  EXPECT_EQ(f.firstRow, -4);
}

TEST(MapParams, CellFieldsInOrder) {
  const MapCell c = ParseMapCell(R"(<PARAM NAME=p17 VALUE="1,2,14,9,1025;">)");
  EXPECT_EQ(c.row, 1);
  EXPECT_EQ(c.column, 2);
  EXPECT_EQ(c.terrain, 14);
  EXPECT_EQ(c.arrow, 9);
  EXPECT_EQ(c.icons, 1025);
}

TEST(MapParams, CellTextStartsAfterTheFirstEqualsQuote) {
  // The name has "=" without a quote; the value's `="` starts the fields,
  // and the tail after ";" is ignored.
  const MapCell c = ParseMapCell(R"(<param name=p3 value="0,4,5,0,-1;" extra="9">)");
  EXPECT_EQ(c.column, 4);
  EXPECT_EQ(c.terrain, 5);
  EXPECT_EQ(c.icons, -1);
}

TEST(MapParams, NumbersFollowTheToolsNumberRule) {
  // Leading blanks and signs, and the hexadecimal prefix, are numbers.
  const MapFrame f = ParseMapFrame(R"(value=" 3,+2,$10,-0;")");
  EXPECT_EQ(f.columns, 3);
  EXPECT_EQ(f.rows, 2);
  EXPECT_EQ(f.firstColumn, 16);
  EXPECT_EQ(f.firstRow, 0);
}

TEST(MapParams, AFieldThatIsNoNumberIsFatal) {
  EXPECT_THROW(ParseMapFrame(R"(value="3,x,1,1;")"), Error);
  EXPECT_THROW(ParseMapFrame(R"(value="3,2,1,1 ;")"), Error);  // trailing blank
  EXPECT_THROW(ParseMapFrame(R"(value="3,2,1,1">)"), Error);   // no ";"
  EXPECT_THROW(ParseMapFrame(R"(value="3,2,1;">)"), Error);    // a field short
  EXPECT_THROW(ParseMapFrame(""), Error);
  EXPECT_THROW(ParseMapCell(R"(value="0,0,5,,0;")"), Error);
  EXPECT_THROW(ParseMapCell(R"(value="0,0,5,1,99999999999;")"), Error);
  try {
    ParseMapCell(R"(<param name=p1 value="0,a,5,1,0;">)");
    FAIL();
  } catch (const Error& e) {
    EXPECT_NE(e.text().find("'a'"), std::string::npos) << e.text();
    EXPECT_NE(e.text().find("'oszlop' mezoje"), std::string::npos) << e.text();
  }
}

TEST(MapParams, AppletLineSplitsAfterEveryClosingBracketBlankOpening) {
  const std::vector<std::string> pieces = SplitAppletLine(
      R"(<CENTER> <APPLET code=a.class> <PARAM NAME=koord VALUE="1,1,0,0;"> <PARAM NAME=p1 VALUE="0,0,1,0,0;"></APPLET>)");
  ASSERT_EQ(pieces.size(), 4u);
  EXPECT_EQ(pieces[0], "<CENTER>");
  EXPECT_EQ(pieces[1], "<APPLET code=a.class>");
  EXPECT_EQ(pieces[2], R"(<PARAM NAME=koord VALUE="1,1,0,0;">)");
  EXPECT_EQ(pieces[3], R"(<PARAM NAME=p1 VALUE="0,0,1,0,0;"></APPLET>)");
}

TEST(MapParams, AppletLineSplitsAtAtSignsAndKeepsEmptyPieces) {
  // An "@" in the line splits too; two blanks between tags do not split.
  const std::vector<std::string> pieces = SplitAppletLine("a@b> <c>  <d@");
  ASSERT_EQ(pieces.size(), 4u);
  EXPECT_EQ(pieces[0], "a");
  EXPECT_EQ(pieces[1], "b>");
  EXPECT_EQ(pieces[2], "<c>  <d");
  EXPECT_EQ(pieces[3], "");
  EXPECT_EQ(SplitAppletLine(""), std::vector<std::string>{""});
}

// --- The applet's parameters --------------------------------------------------

TEST(AppletParams, OlderLayoutCutsItsOneLineAndStopsAfterTheClosingPiece) {
  const auto p = ReadAppletParams(
      {"<CENTER> <APPLET CODE=\"Terkep.class\"> <PARAM NAME=koord VALUE=\"2,1,10,8;\"> "
       "<PARAM NAME=p1 VALUE=\"0,0,5,0,0;\"> <param name=P2 value=\"0,1,6,0,0;\"></APPLET> "
       "<PARAM NAME=p3 VALUE=\"0,0,1,0,0;\">"},
      Layout::kOlder);
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
                                  Layout::kNewer);
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(p->frame, "<param name=koord value=\"1,1,5,5;\">");
  EXPECT_EQ(p->cells, (std::vector<std::string>{"<param name=p1 value=\"0,0,5,0,0;\">"}));
  // Case as written: an upper-case frame line is no frame here.
  EXPECT_FALSE(ReadAppletParams({"<PARAM NAME=koord VALUE=\"1,1,5,5;\">"}, Layout::kNewer));
  EXPECT_TRUE(ReadAppletParams({"<PARAM NAME=koord VALUE=\"1,1,5,5;\">"}, Layout::kOlder));
}

}  // namespace
}  // namespace qv
