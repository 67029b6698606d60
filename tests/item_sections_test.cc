#include "convert/item_sections.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

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

}  // namespace
}  // namespace qv
