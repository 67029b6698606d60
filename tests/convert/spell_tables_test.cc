#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "convert/closing_sections.h"
#include "convert/mind_skill_table.h"
#include "convert/sections.h"
#include "convert/spell_tables.h"
#include "tests/support/converter_harness.h"
#include "tests/support/files.h"
#include "tests/support/lines.h"
#include "tests/support/rtf_structure.h"
#include "text/cp1250.h"
#include "text/text.h"

namespace qv {
namespace {

using Section = void (*)(ConverterRun&);

// A one-column section: its writer, title and cell paragraph.
struct OneColumn {
  Section section;
  std::string_view title, paragraph;
};

// Lines given as one text with "|" between them, each ended by CR LF.
const auto L = test::BarLines;
using test::SectionHeading;

struct Harness : test::ConverterHarness {
  Harness(Layout v, std::string_view report) : ConverterHarness(v, report, /*pictures=*/false) {}
};

// Runs a section on a report whose first line holds its marker.
std::string Convert(Harness& h, Section section) {
  h.run.ReadLine();
  section(h.run);
  return h.out.Text();
}

const std::string kThree = L(R"(\trowd|\cellx3400|\cellx6800|\cellx10200|\widctlpar\intbl)");
const std::string kFour =
    L(R"(\trowd|\cellx2550|\cellx5100|\cellx7650|\cellx10200|\widctlpar\intbl)");
const std::string kSeven = L(
    R"(\trowd|\cellx2250|\cellx2650|\cellx4900|\cellx5300|\cellx7550|\cellx7950|\cellx10200|\widctlpar\intbl)");
const std::string kNewerTableEnd = "</TABLE></TD></TR></TABLE>";

// --- Older layout ------------------------------------------------------------

TEST(SpellTablesOlder, SpellCellsCountAcrossReportRowsAndStupidityPrice) {
  Harness h(Layout::kOlder,
            L("<TD COLSPAN=3>VARÁZSLATAID</TD>|<TR CLASS=tfej2><TD COLSPAN=3>Tűz</TD></TR>|<TR>|"
              "<TD>Pajzs (#12, 3)</TD>|<td>Golyó  (#14, 5)</td>|</TR>|<TR>|<TD>Láng</TD>|"
              "<TD>Hamu</TD>|</TR>|<TR><TD COLSPAN=3><B>Butaság ára:</B> 2 pont</TD></TR>|"
              "<TD>Butaság ára: 1</TD>|</table>|<TD>x</TD>"_cp));
  EXPECT_EQ(
      Convert(h, WriteSpells),
      SectionHeading("Varázslataid és pszí képességeid (#sorszám, hány pontba kerül) "_cp) +
          L(R"(\trowd|\cellx10200|\intbl {\b\fs18 Tűz}\cell|\row)"_cp) + kThree +
          // Three cells from two report rows; the row end lines are passed over.
          L(R"({\fs18 Pajzs (#12, 3)}\cell|{\fs18 Golyó (#14, 5)}\cell|{\fs18 Láng}\cell|\row)"_cp) +
          kThree +
          // A full-width row ends the short row before it. The price of
          // stupidity starts a paragraph in its cell; without "COLSPAN=3>"
          // it is dropped.
          L(R"({\fs18 Hamu}\cell|\row|\trowd|\cellx10200|\widctlpar\intbl|{\fs18\b\par Butaság ára: 2 pont}\cell|\row|\pard)"_cp));
  EXPECT_EQ(h.run.currentLine, "</table>");

  // A dropped price line still counts: the spell after it starts its row.
  Harness p(Layout::kOlder,
            L("<TD COLSPAN=3>VARÁZSLATAID</TD>|<TD>Butaság ára: 1</TD>|<TD>Fény</TD>|</table>"_cp));
  EXPECT_EQ(Convert(p, WriteSpells),
            SectionHeading("Varázslataid és pszí képességeid (#sorszám, hány pontba kerül) "_cp) +
                kThree + L(R"({\fs18 Fény}\cell|\row|\pard)"_cp));
}

TEST(SpellTablesOlder, EffectsRowCutShortByARowEndIsEndedBeforeTheNext) {
  Harness h(Layout::kOlder,
            L("<TD COLSPAN=4>JELENLEG RAJTAD LEVŐ</TD>|<TR>|<TD>Pajzs (#12)</TD>|<TD>3 kör</TD>|"
              "</tr>|<TD>A</TD>|<TD>B</TD>|<TD>C</TD>|<TD>D</TD>|<TD>E</TD>|</TABLE>"_cp));
  EXPECT_EQ(Convert(h, WriteCurrentEffects),
            SectionHeading("Jelenleg rajtad levő aktív varázslatok és pszi hatások "_cp) + kFour +
                L(R"({\fs18 Pajzs (#12)}\cell|{\fs18 3 kör}\cell)"_cp) +
                // "</tr>" starts the count afresh: the short row is ended
                // before the next opener.
                L(R"(\row)") + kFour +
                L(R"({\fs18 A}\cell|{\fs18 B}\cell|{\fs18 C}\cell|{\fs18 D}\cell|\row)") +
                // The table ends inside a row, which is ended before "\pard".
                kFour + L(R"({\fs18 E}\cell|\row|\pard)"));
}

TEST(SpellTablesOlder, AttackDefenceSubHeadingsFollowTheirReportRows) {
  Harness h(Layout::kOlder,
            L("<TR CLASS=tfej2><TD COLSPAN=7>TÁMADÓ ÉS</TD></TR>|"
              "<TR CLASS=tfej2><TD COLSPAN=7>Támadó</TD></TR>|<TR>|<TD>Golyó</TD>|<TD>5</TD>|"
              "<TD>Villám</TD>|<TD>7</TD>|<TD>Jég</TD>|<TD>3</TD>|<TD>-</TD>|</TR>|"
              "<TR CLASS=tfej2>|<TD COLSPAN=7>Védekező</TD>|</TR>|"
              "<TR><TD COLSPAN=7>Szinttel <I>nő</I>.</TD></TR>|</TABLE>"_cp));
  EXPECT_EQ(
      Convert(h, WriteAttackDefenceSpells),
      SectionHeading("Támadó és védekező varázslatok listája "_cp) +
          L(R"(\trowd|\cellx10200|\widctlpar\intbl {\b\f4\fs17 Támadó}\cell|\row)"_cp) + kSeven +
          L(R"({\fs18 Golyó}\cell|{\fs18 5}\cell|{\fs18 Villám}\cell|{\fs18 7}\cell|{\fs18 Jég}\cell|{\fs18 3}\cell|{\fs18 -}\cell|\row|)"
            // The sub-heading row was opened on the line before its cell.
            R"(\trowd|\cellx10200|\widctlpar\intbl {\b\f4\fs17 Védekező}\cell|\row|)"
            R"(\trowd|\cellx10200|\widctlpar\intbl {\f4\fs17 Szinttel nő.}\cell|\row|\pard)"_cp));
}

TEST(SpellTablesOlder, MonstersQuestsAndDeedsAreACellLineARow) {
  const std::string table =
      L("<TD>ELFOGOTT SZÖRNYEID</TD>|<TR>|<TD>Troll  (#301)</TD>|</TR>|<TD></TD>|</TABLE>"_cp);
  for (const OneColumn& c :
       {OneColumn{WriteCapturedMonsters, "Elfogott szörnyeid "_cp, R"(\widctlpar\intbl)"},
        OneColumn{WriteDivineQuests, "Isteni küldetéseid "_cp, R"(\widctlpar\intbl\qj)"},
        OneColumn{WriteHeroicDeeds, "Hőstetteid "_cp, R"(\widctlpar\intbl\qj)"}}) {
    Harness h(Layout::kOlder, table);
    const std::string row = L(R"(\trowd|\cellx10200|)" + std::string(c.paragraph));
    EXPECT_EQ(Convert(h, c.section), SectionHeading(c.title) + row +
                                         L(R"({\fs18 Troll (#301)}\cell|\row)") + row +
                                         L(R"({\fs18 }\cell|\row|\pard)"))
        << c.title;
  }
}

const std::string kMindSkills = SectionHeading("KT-d eddig kifejlesztett képességei:"_cp);
const std::string kTree = L(R"(\pard)") + SectionHeading("Tudati képességfa:"_cp);

TEST(MindSkillsOlder, SixSkillsThenATwoLineTree) {
  Harness h(
      Layout::kOlder,
      L("<td> KT-d eddig kifejlesztett képességei:<br>|a (12)<br>|b|c|d|e|<b>f</b> (60)|"
        "<i>Tudati képességfa:</i><br>|portya (501) OK<br>|kőbőr  (507)|</td></tr>|</table>"_cp));
  EXPECT_EQ(Convert(h, WriteMindSkills),
            kMindSkills + kFour +
                L(R"({\fs18 a (12)}\cell|{\fs18 b}\cell|{\fs18 c}\cell|{\fs18 d}\cell|\row)") +
                kFour +
                // The tree's title line fills the row: its own column and the last.
                L(R"({\fs18 e}\cell|{\fs18 f (60)}\cell|\cell|\cell|\row)") + kTree +
                L(R"(\trowd|\cellx10200|\widctlpar\intbl|{\fs18 portya (501) OK}\cell|\row|)"
                  R"(\trowd|\cellx10200|\widctlpar\intbl|{\fs18 kőbőr (507)}\cell|\row|\pard)"_cp));
  EXPECT_EQ(h.run.currentLine, "</td></tr>");

  // A title line that closes its cell ends the section before any skill.
  Harness closed(Layout::kOlder, L("<td> KT-d eddig kifejlesztett képességei:</td>|<td>a</td>"_cp));
  EXPECT_EQ(Convert(closed, WriteMindSkills), kMindSkills + L(R"(\pard)"));
}

// --- Newer layout --------------------------------------------------------------

std::string Cells(std::initializer_list<std::string_view> texts) {
  std::string row;
  for (std::string_view t : texts) row += R"(<TD CLASS="t1">)" + std::string(t) + "</TD>";
  return row;
}

TEST(SpellTablesNewer, HeadingLineCarriesTheGroupsFirstRow) {
  Harness h(
      Layout::kNewer,
      L(std::string(
            R"(<TD COLSPAN=3>VARÁZSLATAID</TD><TD><TABLE>|<TR><TD CLASS="c3" COLSPAN=3><B>Tűz</B>  mágia</TD></TR> <TR>)"_cp) +
        Cells({"Pajzs  (#12, 3)", "<I>Láng</I>"_cp, "Hamu"}) + "</TR>|<TR>" +
        Cells({"Golyó"_cp, "Füst"_cp}) +
        std::string(
            R"(</TR>|<TR><TD CLASS="c3" COLSPAN=3>Víz</TD></TR>|<TR><TD CLASS="t1">Butaság ára</TD></TR>|)"
            R"(<TR><TD CLASS="c3" COLSPAN=3></TD></TR><TR><TD COLSPAN=3 CLASS="c3"><B>Butaság ára:</B>  2 pont</TD></TR>|)"_cp) +
        kNewerTableEnd));
  EXPECT_EQ(
      Convert(h, WriteSpells),
      SectionHeading("Varázslataid és pszí képességeid (#sorszám, hány pontba kerül) "_cp) +
          // Tags go, blanks stay.
          L(R"(\trowd|\cellx10200|\intbl {\b\fs18 Tűz  mágia}\cell|\row)"_cp) + kThree +
          L(R"({\fs18 Pajzs  (#12, 3)}\cell|{\fs18 Láng}\cell|{\fs18 Hamu}\cell|\row)"_cp) +
          kThree + L(R"({\fs18 Golyó}\cell|{\fs18 Füst}\cell|\cell|\row)"_cp) +
          // A heading line without a row behind it gives an empty row.
          L(R"(\trowd|\cellx10200|\intbl {\b\fs18 Víz}\cell|\row)"_cp) + kThree +
          L(R"(\cell|\cell|\cell|\row)") +
          // The other "Butaság ára" line is dropped.
          L(R"(\trowd|\cellx10200|\widctlpar\intbl|{\fs18\b\par Butaság ára: 2 pont}\cell|\row|\pard)"_cp));
  EXPECT_EQ(h.run.currentLine, kNewerTableEnd);
}

TEST(SpellTablesNewer, AttackDefenceFiveCellRowAndFullWidthRows) {
  Harness h(
      Layout::kNewer,
      L(std::string(
            R"(<TD COLSPAN=7>TÁMADÓ ÉS</TD>|<TR><TD CLASS="c3" COLSPAN=7>Támadó <B>x</B></TD><TD>y</TD></TR>|<TR>)"_cp) +
        Cells({"Golyó"_cp, "5", "Villám"_cp, "7", "Jég"_cp}) +
        std::string(R"(</TR>|<TR><TD CLASS="t1" COLSPAN=7>Szinttel  nő.</TD></TR>|)"_cp) +
        kNewerTableEnd));
  EXPECT_EQ(
      Convert(h, WriteAttackDefenceSpells),
      SectionHeading("Támadó és védekező varázslatok listája "_cp) +
          // A full-width text is taken as it stands, tags and all.
          L(R"(\trowd|\cellx10200|\widctlpar\intbl {\b\f4\fs17 Támadó <B>x</B>}\cell|\row)"_cp) +
          kSeven +
          L(R"({\fs18 Golyó}\cell|{\fs18 5}\cell|{\fs18 Villám}\cell|{\fs18 7}\cell|{\fs18 Jég}\cell|\cell|\cell|\row|)"
            R"(\trowd|\cellx10200|\widctlpar\intbl {\f4\fs17 Szinttel  nő.}\cell|\row|\pard)"_cp));
}

TEST(SpellTablesNewer, EffectsLinesAreRowsAndSurplusCellsStartANewRow) {
  Harness h(Layout::kNewer, L(std::string("<TD COLSPAN=4>JELENLEG RAJTAD LEVŐ</TD>|<TR>"_cp) +
                              Cells({"Éj (#55)"_cp, " 2  kör"_cp}) + "<TD></TD></TR>|<TR>" +
                              Cells({"A", "B", "C"}) + "</TR><TR>" + Cells({"D", "E"}) + "</TR>|"));
  EXPECT_EQ(Convert(h, WriteCurrentEffects),
            SectionHeading("Jelenleg rajtad levő aktív varázslatok és pszi hatások "_cp) + kFour +
                L(R"({\fs18 Éj (#55)}\cell|{\fs18  2  kör}\cell|\cell|\cell|\row)"_cp) +
                // Several report rows on a line fill a row, and the rest goes on.
                kFour + L(R"({\fs18 A}\cell|{\fs18 B}\cell|{\fs18 C}\cell|{\fs18 D}\cell|\row)") +
                kFour + L(R"({\fs18 E}\cell|\cell|\cell|\cell|\row)") +
                // The report's last, empty line is a row of empty cells.
                kFour + L(R"(\cell|\cell|\cell|\cell|\row|\pard)"));
}

TEST(SpellTablesNewer, MonstersAndQuestsTakeEveryLine) {
  const std::string report =
      L("<TD COLSPAN=4>ELFOGOTT</TD>|<TR>" + Cells({"Troll  (#301)"}) + "</TR>||" + kNewerTableEnd);
  for (const OneColumn& c :
       {OneColumn{WriteCapturedMonsters, "Elfogott szörnyeid "_cp, R"(\widctlpar\intbl)"},
        OneColumn{WriteDivineQuests, "Isteni küldetéseid "_cp, R"(\widctlpar\intbl\ql)"}}) {
    Harness h(Layout::kNewer, report);
    const std::string row = L(R"(\trowd|\cellx10200|)" + std::string(c.paragraph));
    EXPECT_EQ(Convert(h, c.section), SectionHeading(c.title) + row +
                                         L(R"({\fs18 Troll (#301)}\cell|\row)") + row +
                                         L(R"({\fs18 }\cell|\row|\pard)"))
        << c.title;
  }
}

// --- In the section walk ------------------------------------------------------------

// What is wrong with a document without its prologue once the prologue's
// opening "{" is put back; "" when nothing.
std::string BodyFaults(const std::string& body) { return test::RtfStructureFaults("{" + body); }

// Walks the branch and finishes the document the way a conversion does.
std::string Walk(Layout v, const std::string& report) {
  Harness h(v, report);
  h.run.ReadLine();
  WalkSections(h.run);
  ConvertClosingSections(h.run);
  return h.out.Text();
}

// The sample report's branch up to its spell sections: the character sheet
// and the skill tables, whole lines.
std::string BranchStart(const std::string& name) {
  const std::string report = test::SampleReport(name);
  const std::size_t sheet = report.find("KARAKTERLAP");
  const std::size_t spells = report.find("VARÁZSLATAID"_cp);
  if (sheet == std::string::npos || spells == std::string::npos || spells < sheet) return "";
  const std::size_t from = report.rfind("\r\n", sheet) + 2;
  const std::size_t to = report.rfind("\r\n", spells) + 2;
  return report.substr(from, to - from);
}

// The sample report's spell sections.
std::string SampleSections(const std::string& name) {
  const std::string report = test::SampleReport(name);
  const std::size_t first = report.find("VARÁZSLATAID"_cp);
  const std::size_t items = report.find("NÁLAD LÉVŐ TÁRGYAK"_cp);
  if (first == std::string::npos || items == std::string::npos || items < first) return "";
  const std::size_t from = report.rfind("\r\n", first);
  const std::size_t to = report.rfind("\r\n", items);
  return report.substr(from + 2, to - from) + std::string("COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK\r\n"_cp);
}

TEST(SpellTablesWalk, MissingEmptyAndLayoutOwnSections) {
  // No spells, no effects: the attack list is found past them, and an empty
  // table still gets its heading.
  const std::string old = Walk(
      Layout::kOlder, BranchStart("1234_57.htm") + L("<TD COLSPAN=7>TÁMADÓ ÉS</TD>|</TABLE>|"
                                                     "<TD>ELFOGOTT SZÖRNYEID</TD>|</TABLE>"_cp));
  EXPECT_TRUE(Contains(old, SectionHeading("Támadó és védekező varázslatok listája "_cp) +
                                L(R"(\pard)") + SectionHeading("Elfogott szörnyeid "_cp) +
                                L(R"(\pard)")))
      << old;
  EXPECT_FALSE(Contains(old, "Varázslataid"_cp));
  EXPECT_TRUE(EndsWith(old, "}\r\n"));
  EXPECT_EQ(BodyFaults(old), "");

  // The newer layout has no deeds and no mind skills.
  const std::string newer =
      Walk(Layout::kNewer,
           BranchStart("1234_58.htm") +
               L(std::string("<TD>HŐSTETTEID</TD>|</TABLE>|KT-d eddig kifejlesztett képességei:<|"
                             "</td>|<TD COLSPAN=4>ISTENI KÜLDETÉSEID</TD>|"_cp) +
                 kNewerTableEnd));
  EXPECT_TRUE(Contains(newer, SectionHeading("Isteni küldetéseid "_cp) + L(R"(\pard)"))) << newer;
  EXPECT_FALSE(Contains(newer, "Hőstetteid"_cp));
  EXPECT_FALSE(Contains(newer, "KT-d"));
}

TEST(SpellTablesWalk, SamplesCarryEverySectionAndStayBalancedWhereverTheyEnd) {
  struct Sample {
    const char* name;
    Layout variant;
    std::initializer_list<std::string_view> titles;
  };
  for (const Sample& s :
       {Sample{"1234_57.htm",
               Layout::kOlder,
               {"Varázslataid"_cp, "Jelenleg rajtad"_cp, "Támadó és"_cp, "Elfogott"_cp, "Isteni"_cp,
                "Hőstetteid"_cp, "KT-d eddig"_cp, "Tudati képességfa:"_cp}},
        Sample{"1234_58.htm",
               Layout::kNewer,
               {"Varázslataid"_cp, "Jelenleg rajtad"_cp, "Támadó és"_cp, "Elfogott"_cp,
                "Isteni"_cp}}}) {
    const std::string sections = SampleSections(s.name);
    ASSERT_FALSE(sections.empty()) << s.name;
    const std::string start = BranchStart(s.name);
    const std::string out = Walk(s.variant, start + sections);
    int at = 0;
    for (std::string_view title : s.titles) {
      const int p = PosFrom(R"(\brsp20 {\f11\fs19 )" + std::string(title), out, at + 1);
      EXPECT_GT(p, at) << s.name << ": " << title;
      at = p;
    }
    // Cut off after any line, the document still ends closed.
    for (std::size_t end = sections.find("\r\n"); end != std::string::npos;
         end = sections.find("\r\n", end + 2)) {
      const std::string cut = Walk(s.variant, start + sections.substr(0, end + 2));
      ASSERT_EQ(BodyFaults(cut), "") << s.name << " cut at " << end;
      ASSERT_TRUE(EndsWith(cut, "}\r\n")) << s.name << " cut at " << end;
    }
  }
}

}  // namespace
}  // namespace qv
