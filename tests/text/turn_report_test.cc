// The layout of a report from its first title line, and files that hold no
// title line at all.
#include <gtest/gtest.h>

#include <string>

#include "platform/error.h"
#include "tests/support/scratch_dir.h"
#include "text/report_reader.h"
#include "text/turn_report.h"

namespace qv {
namespace {

class LayoutFile : public ::testing::Test {
 protected:
  std::string Write(const std::string& bytes) { return dir_.Write("r_1.htm", bytes); }
  // The layout the title scan finds, whether the report is refused or not.
  static Layout ScannedLayout(const std::string& name) {
    ReportReader report(name);
    return ScanTitle(report).layout;
  }
  static Layout ReportLayout(const std::string& name) {
    ReportReader report(name);
    return qv::TurnReportLayout(report);
  }
  test::TempDir dir_;
};

TEST_F(LayoutFile, FirstTitleLineDecides) {
  EXPECT_EQ(ScannedLayout(Write("<html>\r\n<TITLE>Jelentes</TITLE>\r\n")), Layout::kOlder);
  // The first line with "<title>" lacks "</title>"; a later complete one does
  // not count.
  EXPECT_EQ(ScannedLayout(Write("<title>\nJelentes</title>\n<title>x</title>\n")), Layout::kNewer);
  EXPECT_EQ(ScannedLayout(Write("<html>\n<body>\n")), Layout::kNewer);
  EXPECT_EQ(ScannedLayout(Write("")), Layout::kNewer);
  EXPECT_EQ(ScannedLayout(Write("<title>a</title>")), Layout::kOlder);  // no line end
  EXPECT_THROW(ScannedLayout(dir_.path() + "/missing_1.htm"), Error);
}

TEST_F(LayoutFile, FileWithoutTitleLineIsNoTurnReport) {
  EXPECT_EQ(ReportLayout(Write("<html>\r\n<TITLE>Jelentes</TITLE>\r\n")), Layout::kOlder);
  EXPECT_EQ(ReportLayout(Write("<title>\nJelentes</title>\n")), Layout::kNewer);
  // "<title" with attributes is a title line, though not the layout's "<title>".
  EXPECT_EQ(ReportLayout(Write("<html>\n<TITLE lang=hu>Jelentes</TITLE>\n")), Layout::kNewer);
  for (const std::string bytes : {"", "\r\n", "<html>\n<body>\nKARAKTERLAP\n", "<titl\ne>",
                                  "title>x</title>"}) {
    const std::string name = Write(bytes);
    try {
      ReportLayout(name);
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
