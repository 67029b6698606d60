#include "convert/item_sections.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>

#include "convert/closing_sections.h"
#include "convert/sections.h"
#include "rtfkit/item_banners.h"
#include "tests/support/converter_harness.h"
#include "tests/support/files.h"
#include "tests/support/lines.h"
#include "tests/support/rtf_structure.h"
#include "text/cp1250.h"
#include "text/text.h"

namespace qv {
namespace {

std::string S(std::string_view text) { return std::string(text); }

// Lines given as one text with "|" between them, each ended by CR LF.
const auto L = test::BarLines;

// What the section writes for a report whose first line holds its marker;
// `last` gets the current line it stops on.
std::string Convert(Layout v, const std::string& report, std::string* last = nullptr) {
  test::ConverterHarness h(v, report, /*pictures=*/false);
  h.run.ReadLine();
  ConvertItems(h.run);
  if (last) *last = h.run.currentLine;
  return h.out.Text();
}

const std::string kHeading =
    test::SectionHeading("Tárgyaid (*-gal jelöltek bekészítve, zárójelben tárgy sorszáma) "_cp);
const std::string kThree = L(R"(\trowd|\cellx3400|\cellx6800|\cellx10200|\widctlpar\intbl)");
const std::string kTwo = L(R"(\trowd|\cellx3400|\cellx10200|\widctlpar\intbl)");
const std::string kOne = L(R"(\trowd|\cellx10200|\widctlpar\intbl)");
const std::string kRow = L(R"(\row)");
const std::string kPard = L(R"(\pard)");
const std::string kParagraph = R"(\pard \qj\sb120\sa60\keepn\widctlpar\tqc\tx5103 )";
const std::string kNewerTableEnd = "</TABLE></TD></TR></TABLE>";

std::string Cell(std::string_view text) { return L(R"({\f11\fs17 )" + S(text) + R"(}\cell)"); }
std::string Label(std::string_view label) {
  return L(R"({\f11\fs20\up20\ul  )" + S(label) + R"(_}\fs16\par\pard)");
}
// Older layout: a picture only when the group changes.
std::string Banner(int group) {
  return kParagraph + kItemBannerHeader + "\r\n" + ItemBannerHex(group) + "}}\r\n" + L(R"(\tab)");
}
const std::string kNoBanner = kParagraph + L(R"(\tab)");
// Newer layout: every time, the first group's line without a second "\pard".
std::string BannerUj(int group) {
  return (group == 1 ? "" : R"(\pard)") + kParagraph + kItemBannerHeader + "\r\n" +
         ItemBannerHex(group) + "}}\\tab\r\n";
}

TEST(ItemSections, OlderLayoutBannersCellsPotionsAndWeight) {
  std::string last;
  const std::string out = Convert(
      Layout::kOlder,
      L("<TD COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK</TD>|<TR CLASS=tfej2><TD COLSPAN=9>Sisakok</TD></TR>|"
        R"(<TD CLASS=tdb>1234</TD>|<TD CLASS=teq>*</TD>|<TD><A HREF="#t430" CLASS=enc0>vas  sisak</A> (#430)</TD>|)"
        "<TR CLASS=tfej2><TD COLSPAN=9><B>Csizmák</B></TD></TR>|<TR>|"
        "<TD CLASS=tdb>1234</TD>|<TD CLASS=teq></TD>|<TD>csizma</TD>|<td class=tdb> 2 </td>|"
        "<td class=teq>+</td>|<td>x</td>|<TD CLASS=tdb>3</TD>|<TD CLASS=teq>&gt;</TD>|<TD>y</TD>|"
        "</TR>|<TR CLASS=tfej2><TD COLSPAN=9>Gyűrűk</TD></TR>|"
        "<TR CLASS=tfej2><TD COLSPAN=9>Löttyök és porok, tartóstul (2)</TD></TR>|"
        "<TD CLASS=tdb> 2 </TD>|<TD CLASS=teq></TD>|<TD>ital</TD>|<TD COLSPAN=6>10 <B>ÉP</B></TD>|"
        "<TR CLASS=tfej2><TD COLSPAN=9>Lábtörlők</TD></TR>|"
        "<TR CLASS=tfej2><TD COLSPAN=9>Övek   és  szíjak</TD></TR>|"
        "<TD CLASS=tdb> 1 </TD>|<TD CLASS=teq></TD>|<TD>öv</TD>|</table>|<P>|"
        "<TD CLASS=ossz>Összsúly:</TD>|<TD>12.50  kg</TD>|</TR>|"
        "<TR><TD COLSPAN=2>Teher: <B>nagy</B></TD></TR>|</TABLE>|<TD>Összsúly:</TD>"_cp),
      &last);
  EXPECT_EQ(out, kHeading + Banner(1) + Label("Sisakok") + kThree +
                     // Four digits leave one blank; a mark between blanks closes up.
                     Cell(" 1234*vas sisak (#430)") +
                     // The next heading ends the open row; it is of the same group: no picture.
                     kRow + kNoBanner + Label("Csizmák"_cp) + kThree +
                     // An empty mark leaves one blank.
                     Cell(" 1234 csizma") + Cell("    2+x") + Cell("    3>y") + kRow + Banner(3) +
                     Label("Gyűrűk"_cp) +
                     // Potions are labelled by their group and take two cells, the
                     // effect closing the row.
                     Banner(5) + Label("Löttyök és porok, tartóstul"_cp) + kTwo +
                     Cell("    2 ital") + Cell("10 ÉP"_cp) + kRow +
                     // A heading of no group writes nothing but ends the potions; the
                     // armour picture comes back; the table ends inside a row, which is
                     // ended.
                     Banner(1) + Label("Övek és szíjak"_cp) + kThree + Cell("    1 öv"_cp) + kRow +
                     kPard + L(R"(\trowd|\cellx2600|\cellx10200|\widctlpar\intbl)") +
                     Cell("Összsúly:"_cp) + Cell("12.50 kg") + kRow + kOne + Cell("Teher: nagy") +
                     kRow + kPard);
  EXPECT_EQ(last, "</TABLE>");
}

// The row rule's edges in the older layout: a note after a full row gets a
// row of its own, and a third potion, which its row has no edge for, goes on
// in a row of its own that the third cell then ends.
TEST(ItemSections, OlderLayoutNoteAfterAFullRowAndSurplusPotions) {
  auto item = [](std::string_view number, std::string_view name) {
    return "<TD CLASS=tdb>" + S(number) + "</TD>|<TD CLASS=teq></TD>|<TD>" + S(name) + "</TD>|";
  };
  const std::string out =
      Convert(Layout::kOlder,
              L(S("<TD COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK</TD>|"
                  "<TR CLASS=tfej2><TD COLSPAN=9>Eszközök, használati tárgyak</TD></TR>|"_cp) +
                item("1", "térkép"_cp) + item("1", "zsák"_cp) + item("1", "kötél"_cp) +
                S("<TR><TD></TD><TD></TD><TD></TD><TD COLSPAN=6>[benne 3 fű]</TD></TR>|"
                  "<TR CLASS=tfej2><TD COLSPAN=9>Löttyök és porok, tartóstul</TD></TR>|"_cp) +
                item("1", "a") + item("2", "b") + item("3", "c") + item("4", "d") + "</table>"));
  EXPECT_EQ(out, kHeading + Banner(4) + Label("Eszközök, használati tárgyak"_cp) + kThree +
                     Cell("    1 térkép"_cp) + Cell("    1 zsák"_cp) + Cell("    1 kötél"_cp) +
                     kRow + kThree + Cell("[benne 3 fű]"_cp) + kRow + Banner(5) +
                     Label("Löttyök és porok, tartóstul"_cp) + kTwo + Cell("    1 a") +
                     Cell("    2 b") + kRow + kTwo + Cell("    3 c") + kRow + kTwo +
                     Cell("    4 d") + kRow + kPard);
}

std::string ItemUj(std::string_view number, std::string_view mark, std::string_view name) {
  return R"(<TD ALIGN=RIGHT CLASS="t1" WIDTH=30>)" + S(number) + R"(</TD> <TD CLASS="t1">)" +
         S(mark) + R"(</TD> <TD CLASS="t1">)" + S(name) + "</TD>";
}
std::string HeadingUj(std::string_view heading) {
  return R"(<TR><TD CLASS="c3" COLSPAN=9>)" + S(heading) + "</TD></TR>|";
}

TEST(ItemSections, NewerLayoutBannersRowsPotionsAndWeight) {
  std::string last;
  const std::string out = Convert(
      Layout::kNewer,
      L(S(R"(<TD COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK</TD></TR><TR><TD COLSPAN=9><TABLE>|)"_cp) +
        HeadingUj("Páncélok és pajzsok"_cp) + "<TR>" +
        ItemUj("1234", "*", R"(<A HREF="#t430" CLASS=enc0>vas  sisak</A> (#430))") + " " +
        ItemUj("12345", "", "kard") + "</TR>|" + HeadingUj("<B>Páncélok és pajzsok</B> (3)"_cp) +
        "<TR>" + ItemUj("1234", "", "íj"_cp) +
        R"( <TD ALIGN=RIGHT CLASS="t1" WIDTH=30>kulcs</TD></TR>|)" +
        HeadingUj("Eszközök, használati tárgyak"_cp) + HeadingUj("Löttyök és porok, tartóstul"_cp) +
        "<TR>" + ItemUj("2", "*", "ital") +
        S(R"( <TD CLASS="t1" COLSPAN=6>10 <B>ÉP</B>-t</TD></TR>|)"_cp) + kNewerTableEnd + "|<P>|" +
        S(R"(<TR><TD>Összsúly: 23.45 kg</TD><TD>Megterhelés:  közepes</TD></TR>|)"_cp) + kNewerTableEnd +
        "|<TD>x</TD>"),
      &last);
  EXPECT_EQ(out, kHeading + BannerUj(1) + Label("Páncélok és pajzsok"_cp) + kThree +
                     // A first word of four characters gets one blank, of five none;
                     // a row of two items is filled up.
                     Cell(" 1234*vas sisak (#430)") + Cell("12345 kard") + Cell("") + kRow +
                     // Every heading writes its picture.
                     BannerUj(1) + Label("Páncélok és pajzsok"_cp) + kThree + Cell(" 1234 íj"_cp) +
                     // A cell without a blank gets six.
                     Cell("      kulcs") + Cell("") + kRow +
                     // The older layout's tool heading is no heading here; the
                     // potion cell is aligned, its effect is not.
                     BannerUj(5) + Label("Löttyök és porok, tartóstul"_cp) + kTwo +
                     Cell("    2*ital") + Cell("10 ÉP-t"_cp) + kRow + kPard + kOne +
                     Cell("Összsúly: 23.45 kg       Megterhelés: közepes"_cp) + kRow + kPard);
  EXPECT_EQ(last, kNewerTableEnd);
}

TEST(ItemSections, MissingSectionOrWeightLineAndLongLines) {
  for (Layout v : {Layout::kOlder, Layout::kNewer}) {
    // Without its marker the section writes nothing; without a weight line
    // the table ends it.
    EXPECT_EQ(Convert(v, L("<TD COLSPAN=9>NÁLAD TÁRGYAK</TD>|</table>|Összsúly: 1 kg"_cp)), "");
    EXPECT_EQ(Convert(v, L(S("<TD COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK</TD>|"_cp) + kNewerTableEnd + "|<P>")),
              kHeading + kPard);
  }
  // 50 000 unended cells of twelve characters on one line: cut in linear
  // time, each cell a search through the whole rest would take minutes. The
  // cells go on three to a row.
  std::string cells;
  for (int i = 0; i < 200000; ++i) cells += "<TD";
  const std::string out =
      Convert(Layout::kNewer, L(S("<TD COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK</TD>|"_cp) + cells));
  const std::string row = kThree + Cell("      ") + Cell("      ") + Cell("      ") + kRow;
  EXPECT_EQ(Find(row + row, out), Length(kHeading) + 1);
  // 50 000 = 3 * 16 666 + 2: the last row is filled up with an empty cell.
  EXPECT_EQ(Length(out), Length(kHeading) + 16666 * Length(row) + Length(kThree) +
                             2 * Length(Cell("      ")) + Length(Cell("")) + Length(kRow + kPard));
}

// --- In the section walk ------------------------------------------------------------

// Walks the branch and finishes the document as a conversion does, the
// prologue's "{" put in front.
std::string Walk(Layout v, const std::string& report) {
  test::ConverterHarness h(v, report, /*pictures=*/false);
  h.run.ReadLine();
  WalkSections(h.run);
  ConvertClosingSections(h.run);
  return "{" + h.out.Text();
}

TEST(ItemSections, SamplesInTheWalkCutAfterEveryLine) {
  for (const auto& [name, v, banners, tableEnd] :
       {std::tuple{"1234_57.htm", Layout::kOlder, 8, "</table>"},
        std::tuple{"1234_58.htm", Layout::kNewer, 6, "</TABLE></TD></TR></TABLE>"}}) {
    // The report up to the end of its weight table.
    const std::string report = test::SampleReport(name);
    const std::size_t items = report.find("NÁLAD LÉVŐ TÁRGYAK"_cp);
    const std::size_t weight = report.find("Összsúly:"_cp, items);
    ASSERT_NE(weight, std::string::npos) << name;
    const std::size_t stop = report.find("\r\n", report.find(tableEnd, weight)) + 2;

    const std::string out = Walk(v, report.substr(0, stop));
    int pictures = 0;
    for (int at = Find(kItemBannerHeader, out); at > 0;
         at = PosFrom(kItemBannerHeader, out, at + 1))
      ++pictures;
    EXPECT_TRUE(Contains(out, kHeading)) << name;
    EXPECT_EQ(pictures, banners) << name;
    EXPECT_TRUE(EndsWith(out, kRow + kPard + "}\r\n")) << name;
    for (std::size_t end = report.find("\r\n", items); end < stop;
         end = report.find("\r\n", end + 2)) {
      const std::string cut = Walk(v, report.substr(0, end + 2));
      ASSERT_EQ(test::RtfStructureFaults(cut), "") << name << " cut at " << end;
      ASSERT_TRUE(EndsWith(cut, "}\r\n")) << name << " cut at " << end;
    }
  }
}

// A character who carries nothing has no item table, and a report may lack
// the weight line: the searches stop at the bank safe, so the lists, the
// step map, the message, the world changes and the appendix all stay.
TEST(ItemSections, ReportWithoutItemsOrWeightKeepsEverythingAfter) {
  const std::string_view weight = "Összsúly:"_cp;
  const std::string_view bank = "TÁRGYAID A BANK SZÉFJÉBEN"_cp;
  const std::string_view listTitles[] = {
      "Tárgyaid a bank széfjében"_cp, "A forduló elején még megvolt..."_cp,
      "Az előző fordulóban még megvolt..."_cp, "Ebben a fordulóban került hozzád..."_cp};
  for (const auto& [name, v] :
       {std::pair{"1234_57.htm", Layout::kOlder}, std::pair{"1234_58.htm", Layout::kNewer}}) {
    const std::string report = test::SampleReport(name);
    auto lineStart = [&](std::string_view marker) {
      return report.rfind("\r\n", report.find(marker)) + 2;
    };
    // Without the item table (the weight table stays), without the weight
    // table (the item table stays), and without every section from the
    // spells to the items (the search for each one stops at the bank safe).
    const std::size_t spells = lineStart("VARÁZSLATAID"_cp);
    const std::size_t items = lineStart("NÁLAD LÉVŐ TÁRGYAK"_cp);
    const std::size_t total = lineStart(weight);
    const std::size_t lists = lineStart(bank);
    for (const auto& [from, to, itemsKept] :
         {std::tuple{items, total, false}, std::tuple{total, lists, true},
          std::tuple{spells, total, false}}) {
      test::ConverterHarness h(v, report.substr(0, from) + report.substr(to), /*pictures=*/true);
      h.run.ReadLine();
      WalkSections(h.run);
      ConvertClosingSections(h.run);
      const std::string out = h.out.Text();
      EXPECT_EQ(Contains(out, kHeading), itemsKept) << name;
      EXPECT_FALSE(Contains(out, weight)) << name;
      int at = 0;
      for (std::string_view title : listTitles) {
        const int p = PosFrom(S(R"({\f11\fs19 )") + S(title), out, at + 1);
        EXPECT_GT(p, at) << name << ": " << title;
        at = p;
      }
      for (std::string_view closing :
           {"{\\f5\\fs36\\qc\\keep\\keepn E KÖRBEN TETT LÉPÉSEID TÉRKÉPE"_cp,
            "ÜZENET A JÁTÉKVEZETŐTŐL{"_cp, "VÁLTOZÁSOK A ZORDON VIDÉKEN{"_cp,
            "ZORDON VIDÉK REFERENCIA }"_cp, "Utasítás\\cell"_cp}) {
        // The newer layout has no message and no world changes.
        const bool olderOnly = closing.starts_with("ÜZENET"_cp) || closing.starts_with("VÁL"_cp);
        if (v == Layout::kNewer && olderOnly) continue;
        const int p = PosFrom(closing, out, at + 1);
        EXPECT_GT(p, at) << name << ": " << closing;
        at = p;
      }
      EXPECT_EQ(test::RtfStructureFaults("{" + out), "") << name;
    }
  }
}

}  // namespace
}  // namespace qv
