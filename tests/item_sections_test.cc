#include "convert/item_sections.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "convert/closing_sections.h"
#include "convert/driver.h"
#include "convert/sections.h"
#include "rtfkit/item_banners.h"
#include "tests/maps_support.h"
#include "text/cp1250.h"
#include "text/text.h"

namespace qv {
namespace {

using Section = void (*)(ConverterRun&);

std::string S(std::string_view text) { return std::string(text); }

// Lines given as one text with "|" between them, each ended by CR LF.
std::string L(std::string_view lines) {
  return ReplaceAll("|", "\r\n", std::string(lines)) + "\r\n";
}

// Runs a section on a report whose first line holds its marker.
std::string Convert(test::MapHarness& h, Section section) {
  h.run.ReadLine();
  section(h.run);
  return h.out.Text();
}

const std::string kHeading = L(
    R"(\pard \ql\widctlpar {\f11\fs19 \par}|\pard {\sa120\ql\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 Tárgyaid (*-gal jelöltek bekészítve, zárójelben tárgy sorszáma) \par}})"_cp);
const std::string kThree = L(R"(\trowd|\cellx3400|\cellx6800|\cellx10200|\widctlpar\intbl)");
const std::string kTwo = L(R"(\trowd|\cellx3400|\cellx10200|\widctlpar\intbl)");
const std::string kPard = L(R"(\pard)");
const std::string kParagraph = R"(\pard \qj\sb120\sa60\widctlpar\tqc\tx5103 )";

std::string Cell(std::string_view text) {
  return L(R"({\f11\fs17 )" + std::string(text) + R"(}\cell)");
}

std::string Label(std::string_view label) {
  return L(R"({\f11\fs20\up20\ul  )" + std::string(label) + R"(_}\fs16\par\pard)");
}

// The older layout: the paragraph, a banner when the group changes, a tab.
std::string Banner(int group) {
  return kParagraph + kItemBannerHeader + "\r\n" + ItemBannerHex(group) + "}}\r\n" + L(R"(\tab)");
}
const std::string kNoBanner = kParagraph + L(R"(\tab)");

// The newer layout: a banner every time, the first group's line without the
// second "\pard".
std::string BannerUj(int group) {
  return (group == 1 ? "" : R"(\pard)") + kParagraph + kItemBannerHeader + "\r\n" +
         ItemBannerHex(group) + "}}\\tab\r\n";
}

// --- Older layout ------------------------------------------------------------

TEST(ItemSectionsRtf, SubCategoriesOfAGroupShareItsBanner) {
  test::MapHarness h(
      Layout::kRtf,
      L("<TD COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK</TD>|<TR CLASS=tfej2><TD COLSPAN=9>Sisakok</TD></TR>|"
        "<TR>|<TD CLASS=tdb> 1 </TD>|<TD CLASS=teq>*</TD>|"
        R"(<TD><A HREF="#t430" CLASS=enc0>vassisak</A> (#430)</TD>|</TR>|)"
        "<TR CLASS=tfej2><TD COLSPAN=9><B>Csizmák</B></TD></TR>|"
        "<TR CLASS=tfej2><TD COLSPAN=9>Gyűrűk</TD></TR>|"
        "<TR CLASS=tfej2><TD COLSPAN=9>Lábtörlők</TD></TR>|"
        "<TR CLASS=tfej2><TD COLSPAN=9>Övek   és  szíjak</TD></TR>|"
        "<TR CLASS=tfej2><TD COLSPAN=9><B>Egyéb bigyók és gyanús csúnyaságok</B> (2)</TD></TR>|"
        "</table>"_cp));
  EXPECT_EQ(Convert(h, rtf::ConvertItems),
            kHeading + Banner(1) + Label("Sisakok") + kThree +
                // The helmet's row is left open by the next heading.
                Cell("    1*vassisak (#430)") + kNoBanner + Label("Csizmák"_cp) + Banner(3) +
                Label("Gyűrűk"_cp) +
                // A heading of no group writes nothing; the armour banner
                // comes back with the belts.
                Banner(1) + Label("Övek és szíjak"_cp) +
                // The odd things are labelled by their group's name.
                Banner(6) + Label("Egyéb bigyók és gyanús csúnyaságok"_cp) + kPard);
  EXPECT_EQ(h.run.lastBannerGroup, 6);
  EXPECT_EQ(h.run.currentLine, "</table>");
}

TEST(ItemSectionsRtf, ItemCellsThreeToARowAndAnOpenLastRow) {
  test::MapHarness h(
      Layout::kRtf,
      L("<TD COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK</TD>|<TR>|"
        R"(<TD CLASS=tdb>1234</TD>|<TD CLASS=teq>*</TD>|<TD><A HREF="#t120" CLASS=enc0>rozsdás  tőr</A> (#120)</TD>|)"
        "<TD CLASS=tdb>1234</TD>|<TD CLASS=teq></TD>|<TD>kard</TD>|"
        "<td class=tdb> 2 </td>|<td class=teq>+</td>|<td>íj</td>|</TR>|<TR>|"
        "<TD CLASS=tdb>3</TD>|<TD CLASS=teq>&gt;</TD>|<TD>tőr</TD>|</TR>|</TABLE>"_cp));
  EXPECT_EQ(Convert(h, rtf::ConvertItems), kHeading + kThree + Cell(" 1234*rozsdás tőr (#120)"_cp) +
                                               // An empty mark leaves one blank.
                                               Cell(" 1234 kard") + Cell("    2+íj"_cp) +
                                               L(R"(\row)") + kThree +
                                               // The table ends inside a row: no "\row".
                                               Cell("    3>tőr"_cp) + kPard);
}

TEST(ItemSectionsRtf, PotionsTakeTwoCellsUntilAnotherHeading) {
  test::MapHarness h(
      Layout::kRtf,
      L("<TD COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK</TD>|"
        "<TR CLASS=tfej2><TD COLSPAN=9>Löttyök és porok, tartóstul</TD></TR>|<TR>|"
        "<TD CLASS=tdb> 2 </TD>|<TD CLASS=teq></TD>|<TD>gyógyital (#312)</TD>|"
        "<TD COLSPAN=6>10 <B>ÉP</B>-t  gyógyít</TD>|</TR>|"
        "<TR CLASS=tfej2><TD COLSPAN=9>Nyergek</TD></TR>|<TR>|"
        "<TD CLASS=tdb> 1 </TD>|<TD CLASS=teq></TD>|<TD>nyereg</TD>|"
        "<TD COLSPAN=6>[benne 3 alma]</TD>|</TR>|<TR><TD COLSPAN=6>Ennyi.</TD></TR>|</table>"_cp));
  EXPECT_EQ(Convert(h, rtf::ConvertItems),
            kHeading + Banner(5) + Label("Löttyök és porok, tartóstul"_cp) + kTwo +
                Cell("    2 gyógyital (#312)"_cp) + Cell("10 ÉP-t gyógyít"_cp) + L(R"(\row)") +
                Banner(4) + Label("Nyergek") + kThree + Cell("    1 nyereg") +
                // A note row ends the row it stands in, or is a row of its own
                // without an opener.
                Cell("[benne 3 alma]") + L(R"(\row)") + Cell("Ennyi.") + L(R"(\row)") + kPard);
}

TEST(ItemSectionsRtf, TotalWeightAfterTheTable) {
  test::MapHarness h(
      Layout::kRtf,
      L("<TD COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK</TD>|</table>|<P>|<TABLE CLASS=targy>|<TR>|"
        "<TD CLASS=ossz>Összsúly:</TD>|<TD>12.50  kg</TD>|</TR>|"
        "<TR><TD COLSPAN=2>Teher: <B>nagy</B></TD></TR>|</TABLE>|<TD>Összsúly: x</TD>"_cp));
  EXPECT_EQ(Convert(h, rtf::ConvertItems),
            kHeading + kPard + L(R"(\trowd|\cellx2600|\cellx10200|\widctlpar\intbl)") +
                Cell("Összsúly:"_cp) + Cell("12.50 kg") + L(R"(\row)") +
                L(R"(\trowd|\cellx10200|\widctlpar\intbl)") + Cell("Teher: nagy") + L(R"(\row)") +
                kPard);
  EXPECT_EQ(h.run.currentLine, "</TABLE>");
}

TEST(ItemSections, MissingSectionOrWeightLine) {
  for (Layout v : {Layout::kRtf, Layout::kRtfUj}) {
    const Section convert = v == Layout::kRtf ? rtf::ConvertItems : rtfuj::ConvertItems;
    // Without its marker the section writes nothing and reads to the end.
    test::MapHarness none(v, L("<TD COLSPAN=9>NÁLAD TÁRGYAK</TD>|</table>|Összsúly: 1 kg"_cp));
    EXPECT_EQ(Convert(none, convert), "");
    EXPECT_TRUE(none.run.Eof());
    // Without a weight line the table ends the section.
    test::MapHarness noWeight(
        v, L("<TD COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK</TD>|</TABLE></TD></TR></TABLE>|<P>"_cp));
    EXPECT_EQ(Convert(noWeight, convert), kHeading + kPard);
    EXPECT_EQ(noWeight.run.currentLine, "<P>");
  }
}

// --- Newer layout --------------------------------------------------------------

const std::string kItemsUj = S(
    R"(<TABLE CLASS="targy"><TR><TD COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK</TD></TR><TR><TD COLSPAN=9><TABLE>)"_cp);
const std::string kEndUj = "</TABLE></TD></TR></TABLE>";

std::string HeadingUj(std::string_view heading) {
  return R"(<TR><TD CLASS="c3" COLSPAN=9>)" + std::string(heading) + "</TD></TR>";
}

// An item of a row line: number, mark and name cells.
std::string ItemUj(std::string_view number, std::string_view mark, std::string_view name) {
  return R"(<TD ALIGN=RIGHT CLASS="t1" WIDTH=30>)" + std::string(number) +
         R"(</TD> <TD CLASS="t1">)" + std::string(mark) + R"(</TD> <TD CLASS="t1">)" +
         std::string(name);
}

TEST(ItemSectionsRtfUj, EveryHeadingOfAGroupWritesItsBanner) {
  test::MapHarness h(Layout::kRtfUj,
                     L(kItemsUj + "|" + HeadingUj("Páncélok és pajzsok"_cp) + "|" +
                       HeadingUj("<B>Páncélok és pajzsok</B> (3)"_cp) + "|" +
                       HeadingUj("Eszközök, használati tárgyak"_cp) + "|" +
                       HeadingUj("Eszközök, használati tárgyak, készletek"_cp) + "|" + kEndUj));
  EXPECT_EQ(Convert(h, rtfuj::ConvertItems),
            kHeading + BannerUj(1) + Label("Páncélok és pajzsok"_cp) + BannerUj(1) +
                Label("Páncélok és pajzsok"_cp) +
                // The older layout's tool heading is no heading here.
                BannerUj(4) + Label("Eszközök, használati tárgyak, készletek"_cp) + kPard);
  EXPECT_EQ(h.run.currentLine, kEndUj);
}

TEST(ItemSectionsRtfUj, RowCellsAlignedOnTheirFirstWordAndFilledUp) {
  test::MapHarness h(
      Layout::kRtfUj,
      L(kItemsUj + "|<TR>" +
        ItemUj("1234", "*", R"(<A HREF="#t120" CLASS=enc0>rozsdás tőr</A> (#120))"_cp) + "</TD> " +
        ItemUj("12345", "", "kard") + "</TD></TR>|<TR>" + ItemUj("1234", "", "íj"_cp) + "</TD> " +
        ItemUj("7", "+", "nyíl  vessző"_cp) + "</TD> " + ItemUj("1", "&gt;", "tőr"_cp) +
        "</TD></TR>|" + R"(<TR><TD ALIGN=RIGHT CLASS="t1" WIDTH=30>kulcs</TD></TR>|)" +
        S(R"(<TR><TD ALIGN=RIGHT CLASS="t1" WIDTH=30>> 2 <I>tőr</I></TD></TR>|)"_cp) + kEndUj));
  EXPECT_EQ(Convert(h, rtfuj::ConvertItems),
            kHeading + kThree +
                // Four characters get one blank, five none.
                Cell(" 1234*rozsdás tőr (#120)"_cp) + Cell("12345 kard") + Cell("") + L(R"(\row)") +
                kThree + Cell(" 1234 íj"_cp) + Cell("    7+nyíl vessző"_cp) + Cell("    1>tőr"_cp) +
                L(R"(\row)") +
                // A cell without a blank gets six.
                kThree + Cell("      kulcs") + Cell("") + Cell("") + L(R"(\row)") +
                // A leading ">" is kept as text and does not stop the tag
                // removal. Aligned, "    > 2 tőr" meets the contraction,
                // whose search restarts at the front after each insertion:
                // the blanks before the ">" go, the one after it stays.
                kThree + Cell("> 2 tőr"_cp) + Cell("") + Cell("") + L(R"(\row)") + kPard);
}

TEST(ItemSectionsRtfUj, PotionRowsTakeTheItemAndItsEffect) {
  test::MapHarness h(
      Layout::kRtfUj,
      L(kItemsUj + "|<TR>" + ItemUj("2", "*", "gyógyital (#312)"_cp) +
        S(R"(</TD> <TD CLASS="t1" COLSPAN=6>10 <B>ÉP</B>-t  gyógyít</TD></TR>|)"_cp) +
        S(R"(<TR><TD CLASS="t1" COLSPAN=6> >x hatás</TD></TR>|)"_cp) + kEndUj));
  EXPECT_EQ(Convert(h, rtfuj::ConvertItems),
            kHeading + kTwo + Cell("    2*gyógyital (#312)"_cp) + Cell("10 ÉP-t gyógyít"_cp) +
                L(R"(\row)") +
                // A ">" after the cut takes the blank before it along.
                kTwo + Cell("x hatás"_cp) + L(R"(\row)") + kPard);
}

TEST(ItemSectionsRtfUj, TotalWeightSetsTheLoadApart) {
  test::MapHarness h(
      Layout::kRtfUj,
      L(kItemsUj + "|" + kEndUj + "|<P>|" +
        S(R"(<TR><TD CLASS="t1">Összsúly: 23.45 kg</TD><TD CLASS="t1">Megterhelés:  közepes</TD></TR>|)"_cp) +
        S(R"(<TR><TD CLASS="t1">Teherbírás: 40 kg</TD></TR>|)"_cp) + kEndUj + S("|Összsúly:"_cp)));
  const std::string row = L(R"(\trowd|\cellx10200|\widctlpar\intbl)");
  EXPECT_EQ(Convert(h, rtfuj::ConvertItems),
            kHeading + kPard + row + Cell("Összsúly: 23.45 kg       Megterhelés: közepes"_cp) +
                L(R"(\row)") + row + Cell("Teherbírás: 40 kg"_cp) + L(R"(\row)") + kPard);
  EXPECT_EQ(h.run.currentLine, kEndUj);
}

TEST(ItemSectionsRtfUj, LongLineOfUnendedCellsIsCutInLinearTime) {
  // 50 000 cells of twelve characters each; cutting them one at a time with
  // a search through the whole rest would take minutes.
  std::string cells;
  for (int i = 0; i < 200000; ++i) cells += "<TD";
  test::MapHarness h(Layout::kRtfUj, L(kItemsUj + "|" + cells + "|" + kEndUj));
  const std::string out = Convert(h, rtfuj::ConvertItems);
  EXPECT_EQ(Find("\\row", out), Length(kHeading + kThree) + 50000 * Length(Cell("      ")) + 1);
}

// --- In the section walk ------------------------------------------------------------

std::string Sample(const std::string& name) {
  std::ifstream in(std::string(QV_SOURCE_DIR) + "/examples/" + name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Whole lines of text from the one holding `from` up to and including the
// first line after `after` that holds `through`; empty when one is missing.
std::string LinesBetween(const std::string& text, std::string_view from, std::string_view after,
                         std::string_view through) {
  const std::size_t a = text.find(from);
  const std::size_t b = a == std::string::npos ? a : text.find(after, a);
  const std::size_t c = b == std::string::npos ? b : text.find(through, b);
  if (c == std::string::npos) return "";
  const std::size_t start = text.rfind("\r\n", a) + 2;
  return text.substr(start, text.find("\r\n", c) + 2 - start);
}

// The sample's character sheet and the skill tables before its spells.
std::string BranchStart(const std::string& report) {
  return LinesBetween(report, "KARAKTERLAP", "KARAKTERLAP", "EGYÉB ISMERETEK"_cp) +
         LinesBetween(report, "EGYÉB ISMERETEK"_cp, "EGYÉB ISMERETEK"_cp, "</TABLE>");
}

// Counts "{" and "}" that are not escaped; -1 when a "}" closes nothing.
int BraceBalance(const std::string& rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\')
      ++i;
    else if (rtf[i] == '{')
      ++depth;
    else if (rtf[i] == '}' && --depth < 0)
      return -1;
  }
  return depth;
}

// Walks the branch and finishes the document the way a conversion does; the
// prologue's opening "{" is put in front.
std::string Walk(Layout v, const std::string& report) {
  test::MapHarness h(v, report, /*pictures=*/false);
  h.run.ReadLine();
  WalkSections(h.run);
  ConvertClosingSections(h.run);
  return "{" + h.out.Text();
}

TEST(ItemSectionsWalk, SamplesEveryGroupAndCutAfterEveryLine) {
  struct Case {
    const char* name;
    Layout variant;
    std::string_view weightTableEnd;
    int banners;
  };
  for (const Case& c : {Case{"1234_57.htm", Layout::kRtf, "</table>", 8},
                        Case{"1234_58.htm", Layout::kRtfUj, "</TABLE></TD></TR></TABLE>", 6}}) {
    const std::string report = Sample(c.name);
    const std::string start = BranchStart(report);
    const std::string items =
        LinesBetween(report, "NÁLAD LÉVŐ TÁRGYAK"_cp, "Összsúly:"_cp, c.weightTableEnd);
    ASSERT_FALSE(start.empty() || items.empty()) << c.name;

    const std::string out = Walk(c.variant, start + items);
    const int title = Find(kHeading, out);
    EXPECT_GT(title, 0) << c.name;
    int pictures = 0;
    for (int at = Find(kItemBannerHeader, out); at > 0;
         at = PosFrom(kItemBannerHeader, out, at + 1))
      ++pictures;
    EXPECT_EQ(pictures, c.banners) << c.name;
    // Every group's banner, in the order of the groups' first headings.
    int at = title;
    for (int group : c.variant == Layout::kRtf ? std::vector<int>{1, 2, 3, 6, 5, 4}
                                               : std::vector<int>{1, 2, 3, 4, 5, 6}) {
      const int p = PosFrom(ItemBannerHex(group), out, at + 1);
      EXPECT_GT(p, at) << c.name << ": group " << group;
      at = p;
    }
    EXPECT_TRUE(EndsWith(out, "\\row\r\n\\pard\r\n}\r\n")) << c.name;

    // Cut off after any line, the document still ends closed.
    for (std::size_t end = items.find("\r\n"); end != std::string::npos;
         end = items.find("\r\n", end + 2)) {
      const std::string cut = Walk(c.variant, start + items.substr(0, end + 2));
      ASSERT_EQ(BraceBalance(cut), 0) << c.name << " cut at " << end;
      ASSERT_TRUE(EndsWith(cut, "}\r\n")) << c.name << " cut at " << end;
    }
  }

  // Without the section the branch writes no item heading.
  const std::string report = Sample("1234_57.htm");
  const std::string none =
      Walk(Layout::kRtf, BranchStart(report) + L("<TD COLSPAN=9>NÁLAD TÁRGYAK</TD>|"
                                                 "<TD CLASS=ossz>Összsúly:</TD>|</table>"_cp));
  EXPECT_FALSE(Contains(none, "Tárgyaid"_cp));
  EXPECT_EQ(BraceBalance(none), 0);
}

TEST(ItemSectionsWalk, BannerMemoryStartsAfreshWithEveryConversion) {
  // The sample's last category made an armour one, like its first.
  const std::string report = ReplaceAll("COLSPAN=9>Eszközök, használati tárgyak<"_cp,
                                        "COLSPAN=9>Övek<"_cp, Sample("1234_57.htm"));
  test::TempDir dir;
  const std::string path = dir.Write("1234_57.htm", report);
  test::RecordingConsole console;
  RunContext ctx{console, dir.path() + "/"};
  ConverterSession session;
  rtf::ConvertReport(ctx, session, path);
  const std::string first = dir.Read("1234r57.rtf");
  ASSERT_TRUE(Contains(first, kParagraph + kItemBannerHeader + "\r\n" + ItemBannerHex(1) +
                                  "}}\r\n\\tab\r\n" + Label("Sisakok")));
  // The next conversion writes the first armour banner again.
  rtf::ConvertReport(ctx, session, path);
  EXPECT_EQ(dir.Read("1234r57.rtf"), first);
}

}  // namespace
}  // namespace qv
