// The layout of a report from its first title line, and files that hold no
// title line at all.
#include <gtest/gtest.h>

#include <string>

#include "app/layout.h"
#include "platform/error.h"
#include "site/turn_report.h"
#include "tests/support/scratch_dir.h"

namespace qv {
namespace {

class LayoutFile : public ::testing::Test {
 protected:
  std::string Write(const std::string& bytes) { return dir_.Write("r_1.htm", bytes); }
  test::TempDir dir_;
};

TEST_F(LayoutFile, FirstTitleLineDecides) {
  EXPECT_EQ(DetectLayout(Write("<html>\r\n<TITLE>Jelentes</TITLE>\r\n")), Layout::kRtf);
  // The first line with "<title>" lacks "</title>"; a later complete one does
  // not count.
  EXPECT_EQ(DetectLayout(Write("<title>\nJelentes</title>\n<title>x</title>\n")), Layout::kRtfUj);
  EXPECT_EQ(DetectLayout(Write("<html>\n<body>\n")), Layout::kRtfUj);
  EXPECT_EQ(DetectLayout(Write("")), Layout::kRtfUj);
  EXPECT_EQ(DetectLayout(Write("<title>a</title>")), Layout::kRtf);  // no line end
  EXPECT_THROW(DetectLayout(dir_.path() + "/missing_1.htm"), Error);
}

TEST_F(LayoutFile, FileWithoutTitleLineIsNoTurnReport) {
  EXPECT_EQ(TurnReportLayout(Write("<html>\r\n<TITLE>Jelentes</TITLE>\r\n")), Layout::kRtf);
  EXPECT_EQ(TurnReportLayout(Write("<title>\nJelentes</title>\n")), Layout::kRtfUj);
  // "<title" with attributes is a title line, though not the layout's "<title>".
  EXPECT_EQ(TurnReportLayout(Write("<html>\n<TITLE lang=hu>Jelentes</TITLE>\n")), Layout::kRtfUj);
  for (const std::string bytes : {"", "\r\n", "<html>\n<body>\nKARAKTERLAP\n", "<titl\ne>",
                                  "title>x</title>"}) {
    const std::string name = Write(bytes);
    try {
      TurnReportLayout(name);
      ADD_FAILURE() << bytes;
    } catch (const Error& e) {
      EXPECT_EQ(e.kind(), "Fordulo hiba");
      EXPECT_EQ(e.text(), "'" + name + "' nem fordulo: egyik soraban sincs \"<title\"");
    }
  }
  EXPECT_TRUE(HoldsTitleTag("x<<TiTlE"));
  EXPECT_FALSE(HoldsTitleTag("<titl"));
  EXPECT_FALSE(HoldsTitleTag("<\xD4itle <t\xC9tle"));  // accented letters are no ASCII
}

}  // namespace
}  // namespace qv
