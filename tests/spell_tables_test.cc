#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>

#include "convert/closing_sections.h"
#include "convert/mind_skill_table.h"
#include "convert/sections.h"
#include "convert/spell_tables.h"
#include "rtfkit/cp1250.h"
#include "rtfkit/text.h"
#include "tests/maps_support.h"

namespace qv {
namespace {

using Section = void (*)(ConverterRun&);

// Lines joined, each ended by CR LF.
std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view l : lines) text.append(l).append("\r\n");
  return text;
}

struct Harness : test::MapHarness {
  Harness(Variant v, std::string_view report) : MapHarness(v, report, /*pictures=*/false) {}
};

// Runs one section on a report whose first line holds its marker; returns
// what it wrote and leaves the harness for further checks.
std::string Convert(Harness& h, Section section) {
  h.run.ReadLine();
  section(h.run);
  return h.out.Text();
}

const std::string kBlankLine = R"(\pard \ql\widctlpar {\f11\fs19 \par})";

// Row openers of the three-, four- and seven-column tables.
const std::string kSpellColumns = Lines(
    {R"(\trowd)", R"(\cellx3400)", R"(\cellx6800)", R"(\cellx10200)", R"(\widctlpar\intbl)"});
const std::string kFourColumns = Lines({R"(\trowd)", R"(\cellx2550)", R"(\cellx5100)",
                                        R"(\cellx7650)", R"(\cellx10200)", R"(\widctlpar\intbl)"});
const std::string kSevenColumns =
    Lines({R"(\trowd)", R"(\cellx2250)", R"(\cellx2650)", R"(\cellx4900)", R"(\cellx5300)",
           R"(\cellx7550)", R"(\cellx7950)", R"(\cellx10200)", R"(\widctlpar\intbl)"});

// Counts "{" and "}" that are not escaped; -1 when a "}" closes nothing.
int BraceBalance(const std::string& rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
    } else if (rtf[i] == '{') {
      ++depth;
    } else if (rtf[i] == '}' && --depth < 0) {
      return -1;
    }
  }
  return depth;
}

// --- Older layout -------------------------------------------------------------

TEST(SpellTablesRtf, SpellCellsCountAcrossReportRowsAndStupidityPrice) {
  Harness h(Variant::kRtf, Lines({
      "<TR CLASS=tfej><TD COLSPAN=3>VARÁZSLATAID ÉS PSZÍ KÉPESSÉGEID</TD></TR>"_cp,
      "<TR CLASS=tfej2><TD COLSPAN=3>Tűz</TD></TR>"_cp,
      "<TR>",
      "<TD>Tűzpajzs (#12, 3)</TD>"_cp,
      "<td>Tűzgolyó  (#14, 5)</td>"_cp,
      "</TR>",
      "<TR>",
      "<TD>Láng (#15, 2)</TD>"_cp,
      "<TD>Parázs (#16, 1)</TD>"_cp,
      "</TR>",
      "<TR>",
      "<TD>Hamu (#17, 1)</TD>",
      "<TD>Füst (#18, 2)</TD>"_cp,
      "</TR>",
      "<TR><TD COLSPAN=3><B>Butaság ára:</B> 2 pont</TD></TR>"_cp,
      "<TD>Butaság ára: 1 pont</TD>"_cp,
      "</table>",
      "COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK"_cp,
  }));
  EXPECT_EQ(Convert(h, rtf::WriteSpells),
            Lines({kBlankLine,
                   R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 Varázslataid és pszí képességeid (#sorszám, hány pontba kerül) \par}})"_cp,
                   // The group heading spans the row.
                   R"(\trowd)", R"(\cellx10200)", R"(\intbl {\b\fs18 Tűz}\cell)"_cp, R"(\row)"}) +
                // Three cells from two report rows; the row end lines are passed over.
                kSpellColumns +
                Lines({R"({\fs18 Tűzpajzs (#12, 3)}\cell)"_cp, R"({\fs18 Tűzgolyó (#14, 5)}\cell)"_cp,
                       R"({\fs18 Láng (#15, 2)}\cell)"_cp, R"(\row)"}) +
                kSpellColumns +
                Lines({R"({\fs18 Parázs (#16, 1)}\cell)"_cp, R"({\fs18 Hamu (#17, 1)}\cell)",
                       R"({\fs18 Füst (#18, 2)}\cell)"_cp, R"(\row)",
                       // The price of stupidity starts a paragraph in its cell; without
                       // "COLSPAN=3>" it is dropped.
                       R"(\trowd)", R"(\cellx10200)", R"(\widctlpar\intbl)",
                       R"({\fs18\b\par Butaság ára: 2 pont}\cell)"_cp, R"(\row)", R"(\pard)"}));
  EXPECT_EQ(h.run.currentLine, "</table>");
}

TEST(SpellTablesRtf, EffectsRowCutShortByRowEndLeavesItOpen) {
  Harness h(Variant::kRtf, Lines({
      "<TR CLASS=tfej><TD COLSPAN=4>JELENLEG RAJTAD LEVŐ AKTÍV VARÁZSLATOK</TD></TR>"_cp,
      "<TR>",
      "<TD>Tűzpajzs (#12)</TD>"_cp,
      "<TD>még 3 kör</TD>"_cp,
      "</tr>",
      "<TD>A</TD>",
      "<TD>B</TD>",
      "<TD>C</TD>",
      "<TD>D</TD>",
      "<TD>E</TD>",
      "</TABLE>",
  }));
  EXPECT_EQ(Convert(h, rtf::WriteCurrentEffects),
            Lines({kBlankLine,
                   R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 Jelenleg rajtad levő aktív varázslatok és pszi hatások \par}})"_cp}) +
                kFourColumns +
                Lines({R"({\fs18 Tűzpajzs (#12)}\cell)"_cp, R"({\fs18 még 3 kör}\cell)"_cp}) +
                // "</tr>" starts the count afresh: a new opener, no "\row" before it.
                kFourColumns +
                Lines({R"({\fs18 A}\cell)", R"({\fs18 B}\cell)", R"({\fs18 C}\cell)",
                       R"({\fs18 D}\cell)", R"(\row)"}) +
                // The table ends inside a row, which stays open.
                kFourColumns + Lines({R"({\fs18 E}\cell)", R"(\pard)"}));
}

TEST(SpellTablesRtf, AttackDefenceHeadingsFollowTheirReportRows) {
  Harness h(Variant::kRtf, Lines({
      "<TR CLASS=tfej2><TD COLSPAN=7>TÁMADÓ ÉS VÉDEKEZŐ VARÁZSLATOK</TD></TR>"_cp,
      "<TR CLASS=tfej2><TD COLSPAN=7>Támadó</TD></TR>"_cp,
      "<TR>",
      "<TD>Tűzgolyó</TD>"_cp,
      "<TD>5</TD>",
      "<TD>Villám</TD>"_cp,
      "<TD>7</TD>",
      "<TD>Jégtüske</TD>"_cp,
      "<TD>3</TD>",
      "<TD>-</TD>",
      "</TR>",
      "<TR CLASS=tfej2>",
      "<TD COLSPAN=7>Védekező</TD>"_cp,
      "</TR>",
      "<TR><TD COLSPAN=7>Szinttel <I>nő</I>.</TD></TR>"_cp,
      "</TABLE>",
  }));
  EXPECT_EQ(Convert(h, rtf::WriteAttackDefenceSpells),
            Lines({kBlankLine,
                   R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 Támadó és védekező varázslatok listája \par}})"_cp,
                   R"(\trowd)", R"(\cellx10200)", R"(\widctlpar\intbl {\b\f4\fs17 Támadó}\cell)"_cp,
                   R"(\row)"}) +
                kSevenColumns +
                Lines({R"({\fs18 Tűzgolyó}\cell)"_cp, R"({\fs18 5}\cell)", R"({\fs18 Villám}\cell)"_cp,
                       R"({\fs18 7}\cell)", R"({\fs18 Jégtüske}\cell)"_cp, R"({\fs18 3}\cell)",
                       R"({\fs18 -}\cell)", R"(\row)",
                       // The sub-heading row opened on the line before its cell.
                       R"(\trowd)", R"(\cellx10200)",
                       R"(\widctlpar\intbl {\b\f4\fs17 Védekező}\cell)"_cp, R"(\row)",
                       R"(\trowd)", R"(\cellx10200)",
                       R"(\widctlpar\intbl {\f4\fs17 Szinttel nő.}\cell)"_cp, R"(\row)",
                       R"(\pard)"}));
}

TEST(SpellTablesRtf, MonstersQuestsAndDeedsAreOneCellLineARow) {
  const std::string table = Lines({
      "<TR CLASS=tfej><TD>ELFOGOTT SZÖRNYEID ISTENI KÜLDETÉSEID HŐSTETTEID</TD></TR>"_cp,
      "<TR>",
      "<TD>Barlangi  troll (#301)</TD>",
      "</TR>",
      "<TD></TD>",
      "</TABLE>",
  });
  struct Case {
    Section section;
    std::string_view title, paragraph;
  };
  for (const Case& c : {Case{rtf::WriteCapturedMonsters,
                             R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 Elfogott szörnyeid \par}})"_cp,
                             R"(\widctlpar\intbl)"},
                        Case{rtf::WriteDivineQuests,
                             R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 Isteni küldetéseid \par}})"_cp,
                             R"(\widctlpar\intbl\qj)"},
                        Case{rtf::WriteHeroicDeeds,
                             R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 Hőstetteid \par}})"_cp,
                             R"(\widctlpar\intbl\qj)"}}) {
    Harness h(Variant::kRtf, table);
    EXPECT_EQ(Convert(h, c.section),
              Lines({kBlankLine, c.title, R"(\trowd)", R"(\cellx10200)", c.paragraph,
                     R"({\fs18 Barlangi troll (#301)}\cell)", R"(\row)", R"(\trowd)",
                     R"(\cellx10200)", c.paragraph, R"({\fs18 }\cell)", R"(\row)", R"(\pard)"}))
        << c.title;
  }
}

const std::string kMindSkillsTitle =
    std::string(R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 KT-d eddig kifejlesztett képességei:\par}})"_cp);
const std::string kTreeTitle =
    std::string(R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 Tudati képességfa:\par}})"_cp);

TEST(MindSkillsRtf, SixSkillsThenATwoLineTree) {
  Harness h(Variant::kRtf, Lines({
      "<td> KT-d eddig kifejlesztett képességei:<br>"_cp,
      "kardforgatás (12)<br>"_cp, "íjászat (15)<br>"_cp, "úszás (31)<br>"_cp,
      "csapdaállítás (44)<br>"_cp, "gyógynövényismeret (58)<br>"_cp, "<b>lopakodás</b> (60)"_cp,
      "<i>Tudati képességfa:</i><br>"_cp,
      "tudati portya (501) OK<br>",
      "kőbőr (507)  belefejlesztettél: 10 TU.<br>"_cp,
      "</td></tr>",
      "</table>",
  }));
  EXPECT_EQ(Convert(h, rtf::WriteMindSkills),
            Lines({kBlankLine, kMindSkillsTitle}) + kFourColumns +
                Lines({R"({\fs18 kardforgatás (12)}\cell)"_cp, R"({\fs18 íjászat (15)}\cell)"_cp,
                       R"({\fs18 úszás (31)}\cell)"_cp, R"({\fs18 csapdaállítás (44)}\cell)"_cp,
                       R"(\row)"}) +
                kFourColumns +
                Lines({R"({\fs18 gyógynövényismeret (58)}\cell)"_cp,
                       R"({\fs18 lopakodás (60)}\cell)"_cp,
                       // The tree's title line fills the row: its own column and the last.
                       R"(\cell)", R"(\cell)", R"(\row)", R"(\pard)", kBlankLine, kTreeTitle,
                       R"(\trowd)", R"(\cellx10200)", R"(\widctlpar\intbl)",
                       R"({\fs18 tudati portya (501) OK}\cell)", R"(\row)", R"(\trowd)",
                       R"(\cellx10200)", R"(\widctlpar\intbl)",
                       R"({\fs18 kőbőr (507) belefejlesztettél: 10 TU.}\cell)"_cp, R"(\row)",
                       R"(\pard)"}));
  EXPECT_EQ(h.run.currentLine, "</td></tr>");
}

TEST(MindSkillsRtf, TreeAfterAFullRowAndTitleLineClosingTheCell) {
  // After four skills the tree's title line opens a row of four empty cells.
  Harness h(Variant::kRtf,
            Lines({"KT-d eddig kifejlesztett képességei:<br>"_cp, "a", "b", "c", "d",
                   "Tudati képességfa:"_cp, "</TD>"}));
  EXPECT_EQ(Convert(h, rtf::WriteMindSkills),
            Lines({kBlankLine, kMindSkillsTitle}) + kFourColumns +
                Lines({R"({\fs18 a}\cell)", R"({\fs18 b}\cell)", R"({\fs18 c}\cell)",
                       R"({\fs18 d}\cell)", R"(\row)"}) +
                kFourColumns +
                Lines({R"(\cell)", R"(\cell)", R"(\cell)", R"(\cell)", R"(\row)", R"(\pard)",
                       kBlankLine, kTreeTitle, R"(\pard)"}));

  // A title line that closes its cell ends the section before any skill.
  Harness closed(Variant::kRtf,
                 Lines({"<td> KT-d eddig kifejlesztett képességei:</td>"_cp, "<td>a</td>"}));
  EXPECT_EQ(Convert(closed, rtf::WriteMindSkills),
            Lines({kBlankLine, kMindSkillsTitle, R"(\pard)"}));
}

// --- Newer layout ---------------------------------------------------------------

const std::string kEndRtfUj = "</TABLE></TD></TR></TABLE>";

TEST(SpellTablesRtfUj, HeadingLineCarriesTheGroupsFirstRow) {
  Harness h(Variant::kRtfUj,
            Lines({
                R"(<TR><TD COLSPAN=3>VARÁZSLATAID</TD></TR><TR><TD><TABLE>)"_cp,
                R"(<TR><TD CLASS="c3" COLSPAN=3><B>Tűz</B>  mágia</TD></TR> <TR><TD CLASS="t1">Tűzpajzs  (#12, 3)</TD><TD CLASS="t1"><I>Láng</I> (#15, 2)</TD><TD CLASS="t1">Parázs (#16, 1)</TD></TR>)"_cp,
                R"(<TR><TD CLASS="t1">Hamu (#17, 1)</TD><TD CLASS="t1">Füst (#18, 2)</TD></TR>)"_cp,
                R"(<TR><TD CLASS="c3" COLSPAN=3>Víz</TD></TR>)"_cp,
                R"(<TR><TD CLASS="t1">Butaság ára</TD></TR>)"_cp,
                R"(<TR><TD CLASS="c3" COLSPAN=3>&nbsp;</TD></TR><TR><TD COLSPAN=3 CLASS="c3"><B>Butaság ára:</B>  2 pont</TD></TR>)"_cp,
                kEndRtfUj,
            }));
  EXPECT_EQ(Convert(h, rtfuj::WriteSpells),
            Lines({kBlankLine,
                   R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 Varázslataid és pszí képességeid (#sorszám, hány pontba kerül) \par}})"_cp,
                   // The heading keeps its blanks: tags go, nothing else.
                   R"(\trowd)", R"(\cellx10200)", R"(\intbl {\b\fs18 Tűz  mágia}\cell)"_cp, R"(\row)"}) +
                kSpellColumns +
                Lines({R"({\fs18 Tűzpajzs  (#12, 3)}\cell)"_cp, R"({\fs18 Láng (#15, 2)}\cell)"_cp,
                       R"({\fs18 Parázs (#16, 1)}\cell)"_cp, R"(\row)"}) +
                kSpellColumns +
                Lines({R"({\fs18 Hamu (#17, 1)}\cell)", R"({\fs18 Füst (#18, 2)}\cell)"_cp,
                       R"(\cell)", R"(\row)",
                       // A heading line without a row behind it gives an empty row.
                       R"(\trowd)", R"(\cellx10200)", R"(\intbl {\b\fs18 Víz}\cell)"_cp,
                       R"(\row)"}) +
                kSpellColumns + Lines({R"(\cell)", R"(\cell)", R"(\cell)", R"(\row)"}) +
                // The other "Butaság ára" line is dropped.
                Lines({R"(\trowd)", R"(\cellx10200)", R"(\widctlpar\intbl)",
                       R"({\fs18\b\par Butaság ára: 2 pont}\cell)"_cp, R"(\row)", R"(\pard)"}));
  EXPECT_EQ(h.run.currentLine, kEndRtfUj);
}

TEST(SpellTablesRtfUj, AttackDefenceFiveCellRowAndFullWidthRows) {
  Harness h(Variant::kRtfUj,
            Lines({
                R"(<TD COLSPAN=7>TÁMADÓ ÉS VÉDEKEZŐ</TD>)"_cp,
                R"(<TR><TD CLASS="c3" COLSPAN=7>Támadó <B>varázslatok</B></TD><TD>x</TD></TR>)"_cp,
                R"(<TR><TD CLASS="t1">Tűzgolyó</TD><TD CLASS="t1">5</TD><TD CLASS="t1">Villám</TD><TD CLASS="t1">7</TD><TD CLASS="t1">Jég</TD></TR>)"_cp,
                R"(<TR><TD CLASS="t1" COLSPAN=7>Szinttel  nő.</TD></TR>)"_cp,
                kEndRtfUj,
            }));
  EXPECT_EQ(Convert(h, rtfuj::WriteAttackDefenceSpells),
            Lines({kBlankLine,
                   R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 Támadó és védekező varázslatok listája \par}})"_cp,
                   // The full-width text is taken as it stands, tags and all.
                   R"(\trowd)", R"(\cellx10200)",
                   R"(\widctlpar\intbl {\b\f4\fs17 Támadó <B>varázslatok</B>}\cell)"_cp,
                   R"(\row)"}) +
                // Five cells and two empty ones.
                kSevenColumns +
                Lines({R"({\fs18 Tűzgolyó}\cell)"_cp, R"({\fs18 5}\cell)",
                       R"({\fs18 Villám}\cell)"_cp, R"({\fs18 7}\cell)", R"({\fs18 Jég}\cell)"_cp,
                       R"(\cell)", R"(\cell)", R"(\row)", R"(\trowd)", R"(\cellx10200)",
                       R"(\widctlpar\intbl {\f4\fs17 Szinttel  nő.}\cell)"_cp, R"(\row)",
                       R"(\pard)"}));
}

TEST(SpellTablesRtfUj, EffectsLinesAreRowsAndSurplusCellsStartANewRow) {
  Harness h(Variant::kRtfUj,
            Lines({
                R"(<TD COLSPAN=4>JELENLEG RAJTAD LEVŐ</TD>)"_cp,
                R"(<TR><TD CLASS="t1">Éj (#55)</TD><TD CLASS="t1"> 2  kör</TD><TD></TD></TR>)"_cp,
                R"(<TR><TD CLASS="t1">A</TD><TD CLASS="t1">B</TD></TR><TR><TD CLASS="t1">C</TD><TD CLASS="t1">D</TD></TR><TR><TD CLASS="t1">E</TD></TR>)",
                "",
            }));
  EXPECT_EQ(Convert(h, rtfuj::WriteCurrentEffects),
            Lines({kBlankLine,
                   R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 Jelenleg rajtad levő aktív varázslatok és pszi hatások \par}})"_cp}) +
                // Cell texts keep their blanks.
                kFourColumns +
                Lines({R"({\fs18 Éj (#55)}\cell)"_cp, R"({\fs18  2  kör}\cell)"_cp, R"(\cell)",
                       R"(\cell)", R"(\row)"}) +
                // Several report rows on a line fill a row, and the rest goes on.
                kFourColumns +
                Lines({R"({\fs18 A}\cell)", R"({\fs18 B}\cell)", R"({\fs18 C}\cell)",
                       R"({\fs18 D}\cell)", R"(\row)"}) +
                kFourColumns +
                Lines({R"({\fs18 E}\cell)", R"(\cell)", R"(\cell)", R"(\cell)", R"(\row)"}) +
                // The report's last (empty) line is a row of empty cells.
                kFourColumns + Lines({R"(\cell)", R"(\cell)", R"(\cell)", R"(\cell)", R"(\row)", R"(\pard)"}));
}

TEST(SpellTablesRtfUj, MonstersAndQuestsTakeEveryLine) {
  const std::string report = Lines({
      R"(<TD COLSPAN=4>ELFOGOTT SZÖRNYEID</TD>)"_cp,
      R"(<TR><TD CLASS="t1">Barlangi  troll</TD></TR>)",
      "",
      kEndRtfUj,
  });
  Harness monsters(Variant::kRtfUj, report);
  EXPECT_EQ(Convert(monsters, rtfuj::WriteCapturedMonsters),
            Lines({kBlankLine,
                   R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 Elfogott szörnyeid \par}})"_cp,
                   R"(\trowd)", R"(\cellx10200)", R"(\widctlpar\intbl)", R"({\fs18 Barlangi troll}\cell)",
                   R"(\row)", R"(\trowd)", R"(\cellx10200)", R"(\widctlpar\intbl)", R"({\fs18 }\cell)",
                   R"(\row)", R"(\pard)"}));
  Harness quests(Variant::kRtfUj, report);
  EXPECT_EQ(Convert(quests, rtfuj::WriteDivineQuests),
            Lines({kBlankLine,
                   R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 Isteni küldetéseid \par}})"_cp,
                   R"(\trowd)", R"(\cellx10200)", R"(\widctlpar\intbl\ql)", R"({\fs18 Barlangi troll}\cell)",
                   R"(\row)", R"(\trowd)", R"(\cellx10200)", R"(\widctlpar\intbl\ql)", R"({\fs18 }\cell)",
                   R"(\row)", R"(\pard)"}));
}

// --- In the section walk ------------------------------------------------------------

// The branch up to the spell sections: a sheet and both skill lists.
const std::string kBranchStart =
    Lines({"KARAKTERLAP", "HARCI ISMERETEK", "</table>", "EGYÉB ISMERETEK"_cp, "</table>"});

// True when the braces of a document body balance, the body following the
// prologue's opening "{" (the walk's documents have no prologue).
bool BalancedBody(const std::string& body) { return BraceBalance("{" + body) == 0; }

// Walks the branch and finishes the document the way a conversion does.
std::string Walk(Variant v, const std::string& report) {
  Harness h(v, report);
  h.run.ReadLine();
  WalkSections(h.run);
  ConvertClosingSections(h.run);
  return h.out.Text();
}

TEST(SpellTablesWalk, MissingAndEmptySectionsOfTheOlderLayout) {
  // No spells, no effects: the attack list is found past them, and empty
  // tables still get their headings.
  const std::string out = Walk(Variant::kRtf, kBranchStart + Lines({
      "<TD COLSPAN=7>TÁMADÓ ÉS VÉDEKEZŐ</TD>"_cp, "</TABLE>",
      "<TD>ELFOGOTT SZÖRNYEID</TD>"_cp, "</TABLE>"}));
  EXPECT_TRUE(Contains(out, Lines({
      kBlankLine,
      R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 Támadó és védekező varázslatok listája \par}})"_cp,
      R"(\pard)", kBlankLine,
      R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 Elfogott szörnyeid \par}})"_cp,
      R"(\pard)"})))
      << out;
  EXPECT_FALSE(Contains(out, "Varázslataid"_cp));
  EXPECT_FALSE(Contains(out, "Jelenleg"));
  EXPECT_TRUE(EndsWith(out, "}\r\n"));
  EXPECT_TRUE(BalancedBody(out));
}

TEST(SpellTablesWalk, NewerLayoutHasNoDeedsOrMindSkills) {
  const std::string out = Walk(Variant::kRtfUj, kBranchStart + Lines({
      "<TD>HŐSTETTEID</TD>"_cp, "<TD>x</TD>", "</TABLE>",
      "KT-d eddig kifejlesztett képességei:<br>"_cp, "a", "</td>",
      "<TD COLSPAN=4>ISTENI KÜLDETÉSEID</TD>"_cp, kEndRtfUj}));
  EXPECT_TRUE(Contains(out, Lines({
      kBlankLine,
      R"(\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 Isteni küldetéseid \par}})"_cp,
      R"(\pard)"})))
      << out;
  EXPECT_FALSE(Contains(out, "Hőstetteid"_cp));
  EXPECT_FALSE(Contains(out, "KT-d"));
  EXPECT_TRUE(BalancedBody(out));
}

// The sample report's spell sections, behind a branch start when the
// sample has no skill lists yet.
std::string SampleSections(const std::string& name) {
  std::ifstream in(std::string(QV_SOURCE_DIR) + "/examples/" + name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  const std::string report = s.str();
  const std::size_t first = report.find("VARÁZSLATAID"_cp);
  const std::size_t items = report.find("NÁLAD LÉVŐ TÁRGYAK"_cp);
  if (first == std::string::npos || items == std::string::npos || items < first) return "";
  const std::size_t from = report.rfind("\r\n", first);
  const std::size_t to = report.rfind("\r\n", items);
  return report.substr(from + 2, to - from) + std::string("COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK\r\n"_cp);
}

TEST(SpellTablesWalk, SamplesCarryEverySectionAndStayBalancedWhereverTheyEnd) {
  struct Sample {
    const char* name;
    Variant variant;
    std::initializer_list<std::string_view> titles;
  };
  for (const Sample& s :
       {Sample{"1234_57.htm", Variant::kRtf,
               {"Varázslataid"_cp, "Jelenleg rajtad"_cp, "Támadó és"_cp, "Elfogott"_cp,
                "Isteni"_cp, "Hőstetteid"_cp, "KT-d eddig"_cp, "Tudati képességfa:"_cp}},
        Sample{"1234_58.htm", Variant::kRtfUj,
               {"Varázslataid"_cp, "Jelenleg rajtad"_cp, "Támadó és"_cp, "Elfogott"_cp,
                "Isteni"_cp}}}) {
    const std::string sections = SampleSections(s.name);
    ASSERT_FALSE(sections.empty()) << s.name;
    const std::string out = Walk(s.variant, kBranchStart + sections);
    int at = 0;
    for (std::string_view title : s.titles) {
      const int p = PosFrom(std::string(R"(\brsp20 {\f11\fs19 )") + std::string(title), out, at + 1);
      EXPECT_GT(p, at) << s.name << ": " << title;
      at = p;
    }
    // Cut off after any line, the document still ends closed.
    for (std::size_t end = sections.find("\r\n"); end != std::string::npos;
         end = sections.find("\r\n", end + 2)) {
      const std::string cut = Walk(s.variant, kBranchStart + sections.substr(0, end + 2));
      ASSERT_TRUE(BalancedBody(cut)) << s.name << " cut at " << end;
      ASSERT_TRUE(EndsWith(cut, "}\r\n")) << s.name << " cut at " << end;
    }
  }
}

}  // namespace
}  // namespace qv
