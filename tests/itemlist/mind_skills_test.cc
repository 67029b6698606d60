// The KT skill list read from a report, the list table and the mind-skill
// tree with its status cells.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "itemlist/mind_skills.h"
#include "tests/support/lines.h"
#include "tests/support/page_harness.h"
#include "text/cp1250.h"

namespace qv {
namespace {

struct Skills : test::PageHarness {
  explicit Skills(std::string_view report = "") : PageHarness(report) {
    setup.encyclopediaHost = "www.h.example";
  }
  std::vector<std::string> PageLines() const { return test::SplitLines(page.Text()); }
};

MindSkill Skill(int number, std::string name, int d = 0, int n = 0, int k = 0, bool ok = false) {
  return MindSkill{number, std::move(name), d, n, k, ok};
}

const std::string kNotYet = std::string(
    "<div style='background-color: #fce7e7; color: red' title='még nem fejlesztitek'>-</div>"_cp);
const std::string kUsable = std::string(
    "<div style='background-color: #ebfce7; color: #168001' title='használható'>OK</div>"_cp);

std::string Link(int n) {
  return "<a target='lumenktenc' href='http://www.h.example/weblumen/ktkep_enc.php?ssz=" +
         std::to_string(n) + "'>";
}

TEST(MindSkills, SkillLinesGiveProgressKtAndUsableFlag) {
  const MindSkill stone = ParseSkillLine(
      std::string("<td>kőbőr (507) belefejlesztettél: 10 TU. szükséges még: 20 TU.</td>"_cp));
  EXPECT_EQ(stone.number, 507);
  EXPECT_EQ(stone.name, "kőbőr"_cp);
  EXPECT_EQ(stone.developed, 10);
  EXPECT_EQ(stone.needed, 20);
  EXPECT_EQ(stone.ktNeeds, 0);
  EXPECT_FALSE(stone.usable);

  const MindSkill kt =
      ParseSkillLine(std::string("<td>tudati kitérés I. (514) belefejlesztettél: 5 TU. szükséges "
                                 "még: 25 TU. (KT-d jelenleg ezt "
                                 "fejleszti, kifejlesztéséhez még 30 TU.)</td>"_cp));
  EXPECT_EQ(kt.name, "tudati kitérés I."_cp);
  EXPECT_EQ(kt.number, 514);
  EXPECT_EQ(kt.developed, 5);
  EXPECT_EQ(kt.needed, 25);
  EXPECT_EQ(kt.ktNeeds, 30);

  const MindSkill ok = ParseSkillLine("<td><td>  tudati portya (501) OK</td></td>");
  EXPECT_EQ(ok.name, "tudati portya");
  EXPECT_EQ(ok.number, 501);
  EXPECT_TRUE(ok.usable);
}

TEST(MindSkills, CellTagInAnotherFormEndsTheCleaning) {
  const MindSkill s = ParseSkillLine("<xtd>kard (5)</td>");
  EXPECT_EQ(s.name, "<xtd>kard");
  EXPECT_EQ(s.number, 5);
}

TEST(MindSkills, ReadListWithTreeRemainingTuAndFaultyTitle) {
  Skills s(
      "</tr>\r\n<tr>\r\n<td>kard (12)</td>\r\n<td>Tudati képességfa:</td>\r\n"
      "<td>Maradék TU, amit a következő fejlesztéseknél használhattok el: 35.</td>\r\n"
      "<td>kőbőr (507) belefejlesztettél: 10 TU. szükséges még: 20 TU.</td>\r\n"
      "</table>\r\nafter\r\n"_cp);
  s.run.currentLine = "<td> KT-d eddig kifejlesztett képességei: (x)</td>"_cp;
  ReadSkillList(s.run);
  ASSERT_EQ(s.run.skills.size(), 2u);
  EXPECT_EQ(s.run.skills[0].number, 12);
  EXPECT_EQ(s.run.skills[0].name, "kard");
  EXPECT_EQ(s.run.skills[1].number, 507);
  EXPECT_TRUE(s.run.treeFound);
  EXPECT_EQ(s.run.remainingTu, 35);
  EXPECT_EQ(s.console.lines, std::vector<std::string>{std::string("Hibás forduló!"_cp)});
  EXPECT_EQ(s.run.ReadLine(), "after");
}

TEST(MindSkills, ReadListWithoutTreeOrFault) {
  Skills s("<td>kard (12)</td>\r\n</table>\r\n");
  s.run.currentLine = "<td> KT-d eddig kifejlesztett képességei:</td>"_cp;
  ReadSkillList(s.run);
  EXPECT_EQ(s.run.skills.size(), 1u);
  EXPECT_FALSE(s.run.treeFound);
  EXPECT_TRUE(s.console.lines.empty());
}

TEST(MindSkills, StatusCellFollowsTheFirstEntryOfTheNumber) {
  const std::string open = "<div style='background-color: #e1e2f8; color: #272f97' title='";
  EXPECT_EQ(SkillStatusCell({}, 507), kNotYet);
  EXPECT_EQ(SkillStatusCell({Skill(507, "k", 0, 0, 0)}, 507), kNotYet);
  EXPECT_EQ(SkillStatusCell({Skill(507, "k", 10, 20, 0, true)}, 507), kUsable);
  EXPECT_EQ(
      SkillStatusCell({Skill(507, "k", 0, 0, 40)}, 507),
      open +
          std::string(
              "KT-d jelenleg ezt fejleszti, kifejlesztéséhez még 40 TU szükséges.'>KT: 40 TU</div>"_cp));
  EXPECT_EQ(
      SkillStatusCell({Skill(507, "k", 10, 20), Skill(507, "k", 0, 0, 0, true)}, 507),
      open + std::string("Eddig fejlesztettél: 10 TU, szükséges még: 20 TU'>10/20 TU</div>"_cp));
  EXPECT_EQ(
      SkillStatusCell({Skill(514, "k", 0, 25, 25)}, 514),
      open +
          std::string(
              "Eddig fejlesztettél: 0 TU, szükséges még: 25 TU (KT-d jelenleg ezt "
              "fejleszti, kifejlesztéséhez még 25 TU szükséges.)'>0/25 TU - KT: 25 TU</div>"_cp));
}

TEST(MindSkills, ListTableBreaksAfterFourAndStopsAboveFiveHundred) {
  Skills s;
  s.run.skills = {Skill(1, "a"), Skill(2, "b"),   Skill(3, "c"), Skill(4, "d"),
                  Skill(5, "e"), Skill(501, "f"), Skill(6, "g")};
  WriteMindSkillTables(s.run);
  const std::string entry = "<td style='width: 25%'>";
  EXPECT_EQ(s.PageLines(),
            (std::vector<std::string>{
                "<table>", "<tr class='tfej'>",
                std::string("<td colspan='3'>KT-D EDDIG KIFEJLESZTETT KÉPESSÉGEI:</td>"_cp),
                "</tr>", entry + Link(1) + "a</a> (#1)", entry + Link(2) + "b</a> (#2)",
                entry + Link(3) + "c</a> (#3)", entry + Link(4) + "d</a> (#4)", "</tr><tr>",
                entry + Link(5) + "e</a> (#5)", "</tr>", "</table>"}));
}

TEST(MindSkills, FirstSkillAboveFiveHundredLeavesHeadAndTail) {
  Skills s;
  s.run.skills = {Skill(501, "f"), Skill(6, "g")};
  WriteMindSkillTables(s.run);
  EXPECT_EQ(s.PageLines(),
            (std::vector<std::string>{
                "<table>", "<tr class='tfej'>",
                std::string("<td colspan='3'>KT-D EDDIG KIFEJLESZTETT KÉPESSÉGEI:</td>"_cp),
                "</tr>", "</tr>", "</table>"}));
}

TEST(MindSkills, TreeHasTheFixedLayoutAndStatusCells) {
  Skills s;
  s.run.treeFound = true;
  s.run.remainingTu = 35;
  s.run.skills = {Skill(501, "x", 0, 0, 0, true), Skill(507, "y", 10, 20)};
  WriteMindSkillTables(s.run);
  const std::vector<std::string> lines = s.PageLines();
  // List table: head and tail only (the first skill is above 500).
  ASSERT_EQ(lines.size(), 6u + 18u + 61u + 2u * 9u + 2u);
  const std::vector<std::string> head(lines.begin() + 6, lines.begin() + 24);
  EXPECT_EQ(
      head,
      (std::vector<std::string>{
          "<P>", "<table>", "<tr class='tfej'>",
          std::string("<td colspan='7'>TUDATI KÉPESSÉGFA:</td>"_cp), "</tr>", "<tr class='tfej'>",
          std::string("<td colspan='7'>Maradék TU, amit a következő fejlesztéseknél "
                      "használhattok el: 35 TU.</td>"_cp),
          "</tr>", "<tr>", "<tr class='tfej'>", std::string("<td class='fa'>Támadó</td>"_cp),
          std::string("<td class='fa'>Védekező</td>"_cp),
          std::string("<td class='fa'>Varázsló</td>"_cp), "<td class='fa'>Pap</td>",
          "<td class='fa'>Pszi</td>", "<td class='fa'>Tudati</td>",
          std::string("<td class='fa'>Egyéb</td>"_cp), "</tr>"}));
  // Row 1: 501 alone across seven columns, with its anchor twice.
  EXPECT_EQ(lines[24], "<td colspan='7' class='fa'>" + Link(501) + Link(501) +
                           "tudati portya</a> (#501)<br />" + kUsable + "</td>");
  EXPECT_EQ(lines[25], "</tr>");
  EXPECT_EQ(lines[26], "<tr>");
  EXPECT_EQ(lines[27], "<td colspan='2' class='fa'>" + Link(502) +
                           std::string("auraerősítés</a> (#502)<br />"_cp) + kNotYet + "</td>");
  EXPECT_EQ(lines[29], "<td class='fa'>" + Link(504) +
                           std::string("elmetágítás</a> (#504)<br />"_cp) + kNotYet + "</td>");
  EXPECT_EQ(lines[30], "<td colspan='2' class='fa'>" + Link(505) +
                           std::string("tudatforrás</a> (#505)<br />"_cp) + kNotYet + "</td>");
  EXPECT_EQ(lines[31], "</tr>");
  EXPECT_EQ(lines[32], "<tr>");
  // Row 3 starts with 506; kőbőr is second, with its progress.
  EXPECT_EQ(lines[34],
            "<td class='fa'>" + Link(507) +
                std::string("kőbőr</a> (#507)<br /><div style='background-color: #e1e2f8; "
                            "color: #272f97' title='Eddig fejlesztettél: 10 TU, szükséges "
                            "még: 20 TU'>10/20 TU</div></td>"_cp));
  EXPECT_EQ(lines[lines.size() - 3], "<td class='fa'>" + Link(561) +
                                         std::string("kincsvadászat</a> (#561)<br />"_cp) +
                                         kNotYet + "</td>");
  EXPECT_EQ(lines[lines.size() - 2], "</tr>");
  EXPECT_EQ(lines.back(), "</table>");
}

TEST(MindSkills, NoTreeWithoutItsTitle) {
  Skills s;
  s.run.skills = {Skill(1, "a")};
  WriteMindSkillTables(s.run);
  EXPECT_EQ(s.PageLines().back(), "</table>");
  EXPECT_EQ(s.PageLines().size(), 7u);
}

}  // namespace
}  // namespace qv
