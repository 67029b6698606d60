#include "convert/skill_tables.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "convert/closing_sections.h"
#include "convert/sections.h"
#include "rtfkit/cp1250.h"
#include "tests/maps_support.h"

namespace qv {
namespace {

// A conversion run over report text, writing into memory; the first line is
// read, as the section search leaves it on the marker line.
struct Harness : test::MapHarness {
  Harness(Variant v, std::string_view report) : MapHarness(v, report, /*pictures=*/false) {
    run.ReadLine();
  }
};

// Each item followed by CR LF.
std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) text.append(line).append("\r\n");
  return text;
}

std::string Heading(std::string_view title) {
  return Lines({"\\pard \\ql\\widctlpar {\\f11\\fs19 \\par}",
                "\\pard {\\sa120\\ql\\widctlpar\\brdrb\\brdrdb\\brdrw15\\brsp20 {\\f11\\fs19 " +
                    std::string(title) + "\\par}}"});
}

const std::string kFourColumns =
    Lines({"\\trowd", "\\cellx2550", "\\cellx5100", "\\cellx7650", "\\cellx10200"});
const std::string kOneColumn = Lines({"\\trowd", "\\cellx10200"});
const std::string kSkillFiller = "\\widctlpar\\intbl {\\f11\\fs15 \\cell }";
const std::string kPointFiller = "\\widctlpar\\intbl \\cell";

std::string Cell(std::string_view text) {
  return "\\widctlpar\\intbl {\\f11\\fs15 " + std::string(text) + "\\cell }";
}

TEST(SkillTablesOld, CombatSkillsFiveCellsWithPrefixesAndAClosingRemark) {
  Harness h(Variant::kRtf,
            "<TR CLASS=tfej><TD COLSPAN=4>HARCI ISMERETEK</TD>\r\n"
            "</TR>\r\n"
            "<TR><TD>1. kard:</TD> <TD> 12</TD>\r\n"
            "<TD>2. íj:</TD> <TD> 8</TD>\r\n"
            "<TD></TD><TD></TD>\r\n"
            "<TD>pajzs:</TD> <TD> 5</TD></TR>\r\n"
            "<TR><TD>ököl:</TD> <TD> 3 (max. 10)</TD>\r\n"
            "<TD>tőr:</TD> <TD> 2</TD>\r\n"
            "<TD>Összesen 6 ismeret</TD></TR>\r\n"
            "</TABLE>\r\n"
            "utána\r\n"_cp);
  rtf::WriteCombatSkills(h.run);
  // The leading row end and the empty pair leave no empty cells; a number
  // prefix goes, and so does everything up to a full stop further in; the
  // remark after the last cell with a colon is not written.
  EXPECT_EQ(h.out.Text(),
            Heading("Harci ismeretek (szint)") + kFourColumns +
                Lines({Cell("kard: 12"), Cell("íj: 8 "_cp), Cell("pajzs: 5"), Cell("10)"), "\\row"}) +
                kFourColumns +
                Lines({Cell("tőr: 2"_cp), kSkillFiller, kSkillFiller, kSkillFiller, "\\row",
                       "\\pard", ""}));
  EXPECT_EQ(h.run.currentLine, "</TABLE>");
}

TEST(SkillTablesOld, OtherSkillsDropOnlyTheFirstEmptyCellAndKeepTheCellEnd) {
  Harness h(Variant::kRtf,
            "EGYÉB ISMERETEK\r\n"
            "<TR><TD>úszás:</TD> <TD> 3</TD> <TD></TD><TD></TD> <TD>mászás:</TD> <TD> 2</TD></TR>\r\n"
            "<TR><TD></TD><TD></TD> <TD>lopakodás:</TD> <TD> mester.</TD></TR>\r\n"
            "</table>\r\n"_cp);
  rtf::WriteOtherSkills(h.run);
  // A full stop that ends a cell's text takes the text with it, but never
  // the cell end.
  EXPECT_EQ(h.out.Text(),
            Heading("Egyéb ismeretek (szint)"_cp) + kFourColumns +
                Lines({Cell("úszás: 3 "_cp), Cell("mászás: 2"_cp), Cell(""), Cell(""), "\\row"}) +
                kFourColumns +
                Lines({Cell(""), kSkillFiller, kSkillFiller, kSkillFiller, "\\row", "\\pard", ""}));
}

TEST(SkillTablesOld, DevelopmentPointsWithSummary) {
  Harness h(Variant::kRtf,
            "<TR CLASS=tfej><TD COLSPAN=4>FEJLESZTÉSI PONTOK</TD></TR>\r\n"
            "<TR><TD>Erő: 1</TD> <TD>Ügyesség: 1</TD> <TD>Mana: 0</TD> <TD>Pszi: 0</TD></TR>\r\n"
            "<TR><TD>Tudat: 2</TD> <TD>nincs több</TD></TR>\r\n"
            "<TR><TD COLSPAN=4>Összesen   <B>4</B> pont.</TD>\r\n"
            "</TR>\r\n"
            "</TABLE>\r\n"_cp);
  rtf::WriteDevelopmentPoints(h.run);
  // Cells are written whether or not a colon follows; the summary row's
  // line and the row end after it stay out of the cells.
  EXPECT_EQ(h.out.Text(),
            Heading("Fejlesztési pontok"_cp) + kFourColumns +
                Lines({Cell("Erő: 1"_cp), Cell("Ügyesség: 1"_cp), Cell("Mana: 0"), Cell("Pszi: 0"),
                       "\\row"}) +
                kFourColumns +
                Lines({Cell("Tudat: 2"), Cell("nincs több"_cp), kPointFiller, kPointFiller, "\\row",
                       "\\pard", ""}) +
                kOneColumn + Lines({"\\intbl {\\f11\\fs15 Összesen 4 pont.}\\cell"_cp, "\\row"}));
}

TEST(SkillTablesOld, DevelopmentPointsWithOnlyTheSummary) {
  Harness h(Variant::kRtf,
            "FEJLESZTÉSI PONTOK\r\n"
            "<TR><TD COLSPAN=4>Nincs elkölthető pontod.</TD></TR>\r\n"
            "</TABLE>\r\n"
            "<TABLE>\r\n"_cp);
  rtf::WriteDevelopmentPoints(h.run);
  EXPECT_EQ(h.out.Text(), Heading("Fejlesztési pontok"_cp) + kOneColumn +
                              Lines({"\\intbl {\\f11\\fs15 Nincs elkölthető pontod.}\\cell"_cp,
                                     "\\row"}));
  EXPECT_EQ(h.run.currentLine, "</TABLE>");
}

TEST(SkillTablesOld, SwitchLinesOneRowEach) {
  Harness h(Variant::kRtf,
            "<TR><TD>Feltételes fegyverváltás: íj (#160) -&gt; tőr (#120) .</TD></TR>\r\n"
            "<TR></TR>\r\n"
            "<TR><TD>Óvatosság (labirintusokban):   igen</TD></TR>\r\n"
            "</TABLE>\r\n"_cp);
  rtf::WriteConditionalSwitches(h.run);
  // A line without text gets a row opener but no cell.
  EXPECT_EQ(h.out.Text(),
            "\\par\r\n" + kOneColumn +
                Lines({"\\widctlpar\\intbl\\qj",
                       "{\\f11\\fs15 Feltételes fegyverváltás: íj (#160)-> tőr (#120).}\\cell"_cp,
                       "\\row"}) +
                kOneColumn + Lines({"\\widctlpar\\intbl\\qj"}) + kOneColumn +
                Lines({"\\widctlpar\\intbl\\qj",
                       "{\\f11\\fs15 Óvatosság (labirintusokban): igen}\\cell"_cp, "\\row",
                       "\\pard"}));
}

TEST(SkillTablesOld, ConditionalCommandsWithAGroupHeading) {
  Harness h(Variant::kRtf,
            "<TR CLASS=tfej><TD>FELTÉTELES PARANCSOK</TD></TR>\r\n"
            "<TR CLASS=tfej2>\r\n"
            "<TD>Ha <B>megtámadnak</B></TD></TR>\r\n"
            "<TR><TD>1. Ha ork (vagy goblin )(bárhol), menekülsz.</TD></TR>\r\n"
            "<TR></TR>\r\n"
            "</TABLE>\r\n"_cp);
  rtf::WriteConditionalCommands(h.run);
  // The heading's text stands on the line after it; the empty row gives
  // nothing.
  EXPECT_EQ(h.out.Text(),
            Heading("Feltételes parancsok "_cp) + kOneColumn +
                Lines({"\\widctlpar\\intbl {\\b\\fs18 Ha megtámadnak}\\cell"_cp, "\\row"}) +
                kOneColumn +
                Lines({"\\widctlpar\\intbl\\qj {\\fs18 1. Ha ork (vagy goblin) (bárhol), menekülsz.}\\cell"_cp,
                       "\\row", "\\pard"}));
}

const std::string kTableEnd = "</TABLE></TD></TR></TABLE>\r\n";

TEST(SkillTablesNew, CombatSkillsBetweenSeparatorCells) {
  Harness h(Variant::kRtfUj,
            std::string("<TR CLASS=\"tfej\"><TD COLSPAN=7>HARCI ISMERETEK</TD></TR>\r\n"
                        "<TR><TD CLASS=\"t1\">1. kard:</TD><TD CLASS=\"t1\"> 12</TD>"
                        "<TD WIDTH=1 CLASS=\"t0\"></TD>"
                        "<TD CLASS=\"t1\">2. íj:</TD><TD CLASS=\"t1\"> 8</TD></TR>\r\n"_cp) +
                kTableEnd);
  rtfuj::WriteCombatSkills(h.run);
  // The row end of the frame table leaves an empty last cell, which goes.
  EXPECT_EQ(h.out.Text(), Heading("Harci ismeretek (szint)") + kFourColumns +
                              Lines({Cell("kard: 12"), Cell("íj: 8"_cp), kSkillFiller,
                                     kSkillFiller, "\\row", "\\pard", ""}));
}

TEST(SkillTablesNew, DevelopmentPointsAndSummary) {
  Harness h(Variant::kRtfUj,
            std::string("<TR CLASS=\"tfej\"><TD COLSPAN=4>FEJLESZTÉSI PONTOK</TD></TR>\r\n"
                        "<TR><TD CLASS=\"t1\">Erő: 1</TD><TD CLASS=\"t1\">Ügyesség: 1</TD></TR>\r\n"
                        "<TR><TD COLSPAN=4 CLASS=\"t1\">Összesen: <B>2</B>   pont</TD></TR>\r\n"_cp) +
                kTableEnd);
  rtfuj::WriteDevelopmentPoints(h.run);
  EXPECT_EQ(h.out.Text(),
            Heading("Fejlesztési pontok"_cp) + kFourColumns +
                Lines({Cell("Erő: 1"_cp), Cell("Ügyesség: 1"_cp), kPointFiller, kPointFiller,
                       "\\row", "\\pard", ""}) +
                kOneColumn + Lines({"\\intbl {\\f11\\fs15 Összesen: 2 pont}\\cell"_cp, "\\row"}));
}

TEST(SkillTablesNew, SwitchLinesAndConditionalCommandsRowPerLine) {
  Harness s(Variant::kRtfUj,
            std::string("<TR><TD CLASS=\"t1\">Feltételes lőfegyver használat: igen .</TD></TR>\r\n"
                        "\r\n"_cp) +
                kTableEnd);
  rtfuj::WriteConditionalSwitches(s.run);
  // A line without text still gets its cell and row end.
  EXPECT_EQ(s.out.Text(),
            "\\par\r\n" + kOneColumn +
                Lines({"\\widctlpar\\intbl\\qj",
                       "{\\f11\\fs15 Feltételes lőfegyver használat: igen.}\\cell"_cp, "\\row"}) +
                kOneColumn +
                Lines({"\\widctlpar\\intbl\\qj", "{\\f11\\fs15 }\\cell", "\\row", "\\pard"}));

  Harness c(Variant::kRtfUj,
            std::string("FELTÉTELES PARANCSOK\r\n"
                        "<TR><TD CLASS=\"c3\">Ha   megtámadnak</TD></TR>\r\n"
                        "<TR><TD CLASS=\"t1\">1. Ha ork (vagy <I>goblin</I> )(bárhol)</TD>"
                        "<TD>x</TD></TR>\r\n"
                        "\r\n"_cp) +
                kTableEnd);
  rtfuj::WriteConditionalCommands(c.run);
  // Cell texts keep their tags; an empty line is an empty row.
  EXPECT_EQ(c.out.Text(),
            Heading("Feltételes parancsok "_cp) + kOneColumn +
                Lines({"\\widctlpar\\intbl {\\b\\fs18 Ha megtámadnak}\\cell"_cp, "\\row"}) +
                kOneColumn +
                Lines({"\\widctlpar\\intbl\\qj {\\fs18 1. Ha ork (vagy <I>goblin</I>) (bárhol)}\\cell"_cp,
                       "\\row"}) +
                kOneColumn + Lines({"\\widctlpar\\intbl\\qj {\\fs18 }\\cell", "\\row", "\\pard"}));
}

// Counts "{" and "}" that are not escaped.
int BraceBalance(const std::string& rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
    } else if (rtf[i] == '{') {
      ++depth;
    } else if (rtf[i] == '}') {
      if (--depth < 0) return -1;
    }
  }
  return depth;
}

// The walk from the character sheet on, then the document end, behind an
// opening brace that stands in for the prologue.
std::string Walk(Variant v, const std::string& report) {
  test::MapHarness h(v, report, /*pictures=*/false);
  h.out.Line("{\\rtf1");
  WalkSections(h.run);
  ConvertClosingSections(h.run);
  return h.out.Text();
}

std::string OldSheet() {
  std::string text("KARAKTERLAP\r\n<P>Árny, egy elf.\r\n<TABLE>\r\n<TR>\r\n"_cp);
  for (int row = 0; row < 5; ++row) {
    for (int cell = 0; cell < 4; ++cell) text += std::string("<TD>Erő:</TD>\r\n<TD>1</TD>\r\n"_cp);
    text += "</TR>\r\n<TR>\r\n";
  }
  return text + std::string("</TABLE>\r\n<P>Vége.\r\n"_cp);
}

TEST(SkillTablesWalk, MissingEmptyAndCutOffSectionsLeaveAClosedDocument) {
  const std::string sheet = OldSheet();
  const std::string combat = "<TABLE>\r\n<TR><TD COLSPAN=4>HARCI ISMERETEK</TD></TR>\r\n";
  const std::string other(
      "<TABLE>\r\n<TR><TD COLSPAN=4>EGYÉB ISMERETEK</TD></TR></TABLE>\r\n"_cp);
  const std::string points("<TABLE>\r\n<TR><TD COLSPAN=4>FEJLESZTÉSI PONTOK</TD></TR>\r\n"_cp);
  const std::string commands("<TABLE>\r\n<TR><TD>FELTÉTELES PARANCSOK</TD></TR>\r\n"_cp);
  const std::string row = "<TR><TD>kard:</TD> <TD> 1</TD></TR>\r\n";
  struct Case {
    const char* what;
    std::string report;
    std::vector<std::string_view> present, absent;
  };
  const Case cases[] = {
      {"cut off inside the sheet", sheet.substr(0, sheet.size() / 2), {}, {"Harci"}},
      {"cut off inside the combat skills", sheet + combat + row, {"Harci"}, {"Egy"}},
      // An empty table: the heading only; no switch lines, no points.
      {"empty other skills, no commands",
       sheet + combat + row + "</TABLE>\r\n" + other,
       {"Harci", "Egy"},
       {"Fejl", "Felt", "\\par\r\n\\trowd"}},
      // Without its marker the other skills' search runs to the end, so
      // the later sections are not found.
      {"other skills missing", sheet + combat + "</TABLE>\r\n" + points + row + "</TABLE>\r\n",
       {"Harci"},
       {"Egy", "Fejl"}},
      {"cut off inside the commands",
       sheet + combat + "</TABLE>\r\n" + other + points + "</TABLE>\r\n" + commands +
           "<TR CLASS=tfej2>\r\n",
       {"Harci", "Egy", "Fejl", "Felt", "{\\b\\fs18 }\\cell"},
       {}},
  };
  for (const Case& c : cases) {
    const std::string out = Walk(Variant::kRtf, c.report);
    EXPECT_EQ(BraceBalance(out), 0) << c.what;
    EXPECT_TRUE(out.ends_with("}\r\n")) << c.what;
    for (std::string_view title : c.present)
      EXPECT_NE(out.find(std::string(title)), std::string::npos) << c.what << ": " << title;
    for (std::string_view title : c.absent)
      EXPECT_EQ(out.find(std::string(title)), std::string::npos) << c.what << ": " << title;
  }
}

TEST(SkillTablesWalk, NewLayoutCutOffAnywhereStaysBalanced) {
  const std::string start =
      "<TABLE WIDTH=740 CELLPADDING=1 CELLSPACING=0 BORDER=0 CLASS=\"t0\"><TR><TD>\r\n";
  std::string row = "<TR>";
  for (int i = 0; i < 4; ++i) row += std::string("<TD CLASS=\"t1\">Erő:</TD><TD CLASS=\"t1\">1</TD>"_cp);
  row += "</TR>\r\n";
  std::string report = std::string("KARAKTERLAPOD\r\n<P>Árny, egy elf.\r\n"_cp) + start;
  for (int i = 0; i < 6; ++i) report += row;
  auto cp = [](std::string_view text) { return std::string(text); };
  report += kTableEnd + start + "<TABLE><TR><TD>HARCI ISMERETEK</TD></TR>\r\n" + row + kTableEnd +
            start + cp("<TR><TD CLASS=\"t1\">Óvatosság (labirintusokban): igen</TD></TR>\r\n"_cp) +
            kTableEnd + start + cp("<TR><TD>EGYÉB ISMERETEK</TD></TR>\r\n"_cp) + row + kTableEnd +
            start + cp("<TR><TD COLSPAN=4>FEJLESZTÉSI PONTOK</TD></TR>\r\n"_cp) +
            "<TR><TD COLSPAN=4 CLASS=\"t1\">Nincs.</TD></TR>\r\n" + kTableEnd + start +
            cp("<TR><TD>FELTÉTELES PARANCSOK</TD></TR>\r\n"_cp) +
            "<TR><TD CLASS=\"c3\">Mindig</TD></TR>\r\n" + kTableEnd;
  // Every cut at a line end, the whole report included.
  int cuts = 0;
  for (std::size_t at = report.find("\r\n"); at != std::string::npos;
       at = report.find("\r\n", at + 1), ++cuts) {
    const std::string out = Walk(Variant::kRtfUj, report.substr(0, at + 2));
    ASSERT_EQ(BraceBalance(out), 0) << "cut after line " << cuts;
    ASSERT_TRUE(out.ends_with("}\r\n")) << "cut after line " << cuts;
  }
  const std::string whole = Walk(Variant::kRtfUj, report);
  for (std::string_view title : {"KARAKTERLAPOD"_cp, "Harci"_cp, "Óvatosság"_cp, "Egyéb"_cp,
                                 "Nincs."_cp, "Mindig"_cp})
    EXPECT_NE(whole.find(std::string(title)), std::string::npos) << title;
}

}  // namespace
}  // namespace qv
