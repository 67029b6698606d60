#include "convert/skill_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "convert/closing_sections.h"
#include "convert/sections.h"
#include "tests/support/converter_harness.h"
#include "tests/support/lines.h"
#include "tests/support/rtf_structure.h"
#include "text/cp1250.h"
#include "text/text.h"

namespace qv {
namespace {

using test::Lines;
using test::SectionHeading;

std::string S(std::string_view text) { return std::string(text); }

// What a section writes for a report whose first line is its marker line.
std::string Convert(Layout v, void (*section)(ConverterRun&), const std::string& report) {
  test::ConverterHarness h(v, report, /*pictures=*/false);
  h.run.ReadLine();
  section(h.run);
  return h.out.Text();
}

const std::string kFour =
    Lines({"\\trowd", "\\cellx2550", "\\cellx5100", "\\cellx7650", "\\cellx10200"});
const std::string kOne = Lines({"\\trowd", "\\cellx10200"});
const std::string kFiller = "\\widctlpar\\intbl {\\f11\\fs15 \\cell }";
std::string Cell(std::string_view text) {
  return "\\widctlpar\\intbl {\\f11\\fs15 " + S(text) + "\\cell }";
}

TEST(SkillTables, CombatSkillsFiveCellsPrefixesAndAClosingRemark) {
  const std::string out =
      Convert(Layout::kOlder, WriteCombatSkills,
              S("HARCI ISMERETEK</TD>\r\n</TR>\r\n"
                "<TR><TD>1. kard:</TD> <TD> 12</TD>\r\n<TD>2. íj:</TD> <TD> 8</TD>\r\n"
                "<TD></TD><TD></TD>\r\n<TD>pajzs:</TD> <TD> 5</TD></TR>\r\n"
                "<TR><TD>ököl:</TD> <TD> 3 (max. 10)</TD>\r\n<TD>tőr:</TD> <TD> 2</TD>\r\n"
                "<TD>Összesen 6 ismeret</TD></TR>\r\n</TABLE>\r\n"_cp));
  // The leading row end and the empty pair leave no empty cells; a number
  // goes with its full stop, and so does everything up to a full stop further
  // in; the remark after the last cell with a colon is not written.
  EXPECT_EQ(
      out,
      SectionHeading("Harci ismeretek (szint)") + kFour +
          Lines({Cell("kard: 12"), Cell("íj: 8 "_cp), Cell("pajzs: 5"), Cell("10)"), "\\row"}) +
          kFour + Lines({Cell("tőr: 2"_cp), kFiller, kFiller, kFiller, "\\row", "\\pard", ""}));
}

// A report that ends right after a skill's first cell: what was read is a
// whole cell of a row that is filled up and ended, not pieces of it.
TEST(SkillTables, ReportCutOffInsideARowGivesWholeCells) {
  const std::string out = Convert(
      Layout::kOlder, WriteCombatSkills,
      S("HARCI ISMERETEK</TD>\r\n</TR>\r\n<TR><TD>1. kardforgatás:</TD> <TD> 13</TD>\r\n"_cp));
  EXPECT_EQ(out, SectionHeading("Harci ismeretek (szint)") + kFour +
                     Lines({Cell("kardforgatás: 13"_cp), kFiller, kFiller, kFiller, "\\row",
                            "\\pard", ""}));
}

TEST(SkillTables, CellsAreEscapedAfterTheNumberIsCut) {
  const std::string out =
      Convert(Layout::kOlder, WriteCombatSkills,
              S("HARCI ISMERETEK</TD>\r\n</TR>\r\n<TR><TD>1.{kard}:</TD> <TD> 12</TD>\r\n"
                "<TD>íj\\:</TD> <TD> 8}</TD></TR>\r\n</TABLE>\r\n"_cp));
  // The "{" is the character after the full stop and goes with the number;
  // what is left is escaped, so no brace stands alone.
  EXPECT_EQ(out, SectionHeading("Harci ismeretek (szint)") + kFour +
                     Lines({Cell(R"(kard\}: 12)"), Cell(R"(íj\\: 8\})"_cp), kFiller, kFiller,
                            "\\row", "\\pard", ""}));
}

TEST(SkillTables, OtherSkillsDropOnlyTheFirstEmptyCellAndAFullStopKeepsTheCellEnd) {
  const std::string out =
      Convert(Layout::kOlder, WriteOtherSkills,
              S("EGYÉB ISMERETEK\r\n<TR><TD>úszás:</TD> <TD> 3</TD> <TD></TD><TD></TD> "
                "<TD></TD><TD></TD></TR>\r\n"
                "<TR><TD>lopakodás:</TD> <TD> mester.</TD></TR>\r\n</table>\r\n"_cp));
  EXPECT_EQ(out, SectionHeading("Egyéb ismeretek (szint)"_cp) + kFour +
                     Lines({Cell("úszás: 3 "_cp), Cell(""), Cell(""), Cell(""), "\\row"}) + kFour +
                     Lines({Cell(""), kFiller, kFiller, kFiller, "\\row", "\\pard", ""}));
}

TEST(SkillTables, DevelopmentPointsWithOnlyTheSummary) {
  // The summary line and the line after it stay out of the cells; with
  // nothing else there is no four-column table, only the summary row.
  EXPECT_EQ(Convert(Layout::kOlder, WriteDevelopmentPoints,
                    S("FEJLESZTÉSI PONTOK\r\n<TR><TD COLSPAN=4>Nincs   <B>pontod</B>.</TD></TR>\r\n"
                      "</TABLE>\r\n<TABLE>\r\n"_cp)),
            SectionHeading("Fejlesztési pontok"_cp) + kOne +
                Lines({"\\intbl {\\f11\\fs15 Nincs pontod.}\\cell", "\\row"}));
}

TEST(SkillTables, ConditionalCommandsWithAGroupHeading) {
  // The heading's text is the line after it; an empty row gives nothing.
  EXPECT_EQ(
      Convert(Layout::kOlder, WriteConditionalCommands,
              S("FELTÉTELES PARANCSOK\r\n<TR CLASS=tfej2>\r\n<TD>Ha <B>megtámadnak</B></TD>\r\n"
                "<TR><TD>1. Ork (vagy goblin )(bárhol)</TD></TR>\r\n<TR></TR>\r\n</TABLE>\r\n"_cp)),
      SectionHeading("Feltételes parancsok "_cp) + kOne +
          Lines({S("\\widctlpar\\intbl {\\b\\fs18 Ha megtámadnak}\\cell"_cp), "\\row"}) + kOne +
          Lines({S("\\widctlpar\\intbl\\qj {\\fs18 1. Ork (vagy goblin) (bárhol)}\\cell"_cp),
                 "\\row", "\\pard"}));
}

// The walk from the character sheet on and the document end, behind an
// opening brace that stands in for the prologue.
std::string Walk(Layout v, const std::string& report) {
  test::ConverterHarness h(v, report, /*pictures=*/false);
  h.out.Line("{\\rtf1");
  WalkSections(h.run);
  ConvertClosingSections(h.run);
  return h.out.Text();
}

TEST(SkillTables, ReportsCutOffAnywhereEndClosedAndBalanced) {
  const std::string frame =
      "<TABLE WIDTH=740 CELLPADDING=1 CELLSPACING=0 BORDER=0 CLASS=\"t0\"><TR><TD>\r\n";
  const std::string end = "</TABLE></TD></TR></TABLE>\r\n";
  std::string row = "<TR>";
  for (int i = 0; i < 4; ++i) row += "<TD CLASS=\"t1\">A:</TD><TD CLASS=\"t1\">1</TD>";
  row += "</TR>\r\n";
  std::string newer = S("KARAKTERLAPOD\r\n<P>Árny, egy elf.\r\n"_cp) + frame;
  for (int i = 0; i < 6; ++i) newer += row;
  for (std::string_view marker :
       {"HARCI ISMERETEK"_cp, "Óvatosság (labirintusokban):"_cp, "EGYÉB ISMERETEK"_cp,
        "FEJLESZTÉSI PONTOK"_cp, "FELTÉTELES PARANCSOK"_cp})
    newer += end + frame + "<TR><TD>" + S(marker) + "</TD></TR>\r\n" + row;
  newer += end;

  std::string older = S("KARAKTERLAP\r\nÁrny\r\n<TABLE>\r\n<TR>\r\n"_cp);
  for (int i = 0; i < 20; ++i)
    older += i % 4 == 3 ? "<TD>A:</TD>\r\n<TD>1</TD>\r\n</TR>\r\n<TR>\r\n"
                        : "<TD>A:</TD>\r\n<TD>1</TD>\r\n";
  for (std::string_view marker :
       {"HARCI ISMERETEK"_cp, "Óvatosság (labirintusokban):"_cp, "EGYÉB ISMERETEK"_cp,
        "FEJLESZTÉSI PONTOK"_cp, "FELTÉTELES PARANCSOK"_cp})
    older += "<TABLE>\r\n<TR><TD>" + S(marker) +
             "</TD></TR>\r\n<TR CLASS=tfej2>\r\n<TD>a:</TD> <TD>1</TD>\r\n</TABLE>\r\n";

  for (const auto& [v, report] :
       {std::pair{Layout::kNewer, newer}, std::pair{Layout::kOlder, older}}) {
    // Every section is there in the whole report ...
    const std::string whole = Walk(v, report);
    for (std::string_view title :
         {"Harci"_cp, "Óvatosság"_cp, "Egyéb"_cp, "Fejlesztési"_cp, "Feltételes parancsok"_cp})
      EXPECT_NE(whole.find(title), std::string::npos) << title;
    // ... and a report that ends after any of its lines still ends closed.
    for (std::size_t at = report.find("\r\n"); at != std::string::npos;
         at = report.find("\r\n", at + 1)) {
      const std::string out = Walk(v, report.substr(0, at + 2));
      ASSERT_EQ(test::RtfStructureFaults(out), "") << report.substr(0, at);
      ASSERT_TRUE(out.ends_with("}\r\n")) << report.substr(0, at);
    }
  }
}

TEST(SkillTables, MissingOrEmptySections) {
  const std::string sheet =
      "KARAKTERLAP\r\n\r\n<TABLE>\r\n" + std::string(60, '\n') + "<TABLE>\r\n";
  // An empty table writes its heading only; a report without "EGYÉB
  // ISMERETEK" (or without "HARCI ISMERETEK") still has its development
  // points found.
  for (const std::string combat : {"HARCI ISMERETEK</TABLE>\r\n", ""}) {
    const std::string out =
        Walk(Layout::kOlder, sheet + combat +
                               S("FEJLESZTÉSI PONTOK\r\n<TD>A: 1</TD></TABLE>\r\n"_cp));
    EXPECT_EQ(Contains(out, SectionHeading("Harci ismeretek (szint)")), !combat.empty());
    EXPECT_TRUE(Contains(out, SectionHeading("Fejlesztési pontok"_cp))) << combat;
  }
}

}  // namespace
}  // namespace qv
