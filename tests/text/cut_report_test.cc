#include "text/cut_report.h"

#include <gtest/gtest.h>

#include "platform/error.h"
#include "tests/support/scratch_dir.h"
#include "text/whole_report.h"

namespace qv {
namespace {

bool ReportIsWhole(const std::string& name) {
  ReportReader report(name);
  return qv::ReportIsWhole(report);
}

// Whole is what holds "</html>" in any case, wherever it falls in the
// chunks the file is read in; a report cut before it is not.
TEST(CutReport, WholeReportsHoldTheirClosingTag) {
  test::TempDir dir;
  EXPECT_TRUE(ReportIsWhole(dir.Write("a_1.htm", "<title>x</title>\r\n</HTML>\r\n")));
  EXPECT_TRUE(ReportIsWhole(dir.Write("b_1.htm", "<title>x</title>\r\n</Html>")));
  // The tag across the end of the first 64 KiB read.
  const std::string across = std::string(65536 - 3, 'x') + "</html>\r\n";
  EXPECT_TRUE(ReportIsWhole(dir.Write("c_1.htm", across)));
  EXPECT_FALSE(ReportIsWhole(dir.Write("d_1.htm", across.substr(0, 65536 + 2))));
  EXPECT_FALSE(ReportIsWhole(dir.Write("e_1.htm", "<title>x</title>\r\n</BODY>\r\n</HTM")));
  EXPECT_FALSE(ReportIsWhole(dir.Write("f_1.htm", "")));
  // A file that cannot be opened is refused before it is looked at.
  EXPECT_THROW(ReportIsWhole(dir.path() + "/nincs_1.htm"), Error);
}

// The tag in any case, before or among other closing tags; a tag cut short
// at the end, or missing its "/", is not one.
TEST(CutReport, WholeTextHoldsTheClosingTagAnywhere) {
  EXPECT_TRUE(IsWholeReport("</HtMl>"));
  EXPECT_TRUE(IsWholeReport("a</html>b</p>\r\n</div>"));
  EXPECT_TRUE(IsWholeReport("<</</html>"));
  EXPECT_FALSE(IsWholeReport("</body></html"));
  EXPECT_FALSE(IsWholeReport("<html></p>"));
  EXPECT_FALSE(IsWholeReport("</"));
  EXPECT_FALSE(IsWholeReport(""));
}

TEST(CutReport, OutputBesideTheEarlierOne) {
  EXPECT_EQ(CutReportOutputName("1234r58.rtf"), "1234r58-csonka.rtf");
  EXPECT_EQ(CutReportOutputName("dir.v2/1234r58.htm"), "dir.v2/1234r58-csonka.htm");
  EXPECT_EQ(CutReportOutputName("dir.v2/page"), "dir.v2/page-csonka");
}

}  // namespace
}  // namespace qv
