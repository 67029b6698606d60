// The item-table walk: counts, rune limits, contained items, number markers,
// links and weight/price notes.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "itemlist/item_tables.h"
#include "tests/support/page_harness.h"
#include "text/cp1250.h"

namespace qv {
namespace {

ItemRecord Item(int number, int sell, int buy, int weight, std::string name) {
  ItemRecord r;
  r.number = number;
  r.sellPrice = sell;
  r.buyPrice = buy;
  r.weight = weight;
  r.name = std::move(name);
  return r;
}

PageSettings NoteSettings(std::string noteClass) {
  PageSettings s;
  s.noteClass = std::move(noteClass);
  return s;
}

// A walk over report text, writing the page into memory.
struct Walker : test::PageHarness {
  explicit Walker(std::string_view report, Layout layout = Layout::kOlder)
      : PageHarness(report, layout) {
    PageSettings& s = setup.settings;
    s.noteClass = "vpkap";
    s.itemLink = "http://e.example/t.php?";
    s.itemLinkExt = ".htm";
    s.watchedItemColour = "#C43157";
    setup.items.Add(Item(150, 7, 9, 150, std::string(" bőrzsák"_cp)));
    setup.items.Add(Item(140, 1, 2, 5, " nyíl"));
    setup.items.Add(Item(1, 3, 4, 1, " ezüst"));
  }
};

const std::string kLink150 =
    "<A HREF='http://e.example/t.php?f=tenc&ssz=150.htm' TARGET=lumentargyenc CLASS=enc0>";
const std::string kNote150x3 = std::string(
    " [<SPAN TITLE=\"Súly: 1.50 kg, Eladási ár: 7 ap, Vételi ár: 9 ap\" CLASS=vpkap>4.50/21</SPAN>]"_cp);

TEST(ItemListTables, NoteShowsWeightsWithTwoDecimalsAndRedTotalAboveTheLimit) {
  PageSettings s = NoteSettings("vpkap");
  const ItemRecord bag = Item(150, 7, 9, 150, " bag");
  EXPECT_EQ(ItemNote(s, bag, 3), kNote150x3);  // TulNagySuly 0: never red
  s.tooHeavyKg = 5;                            // 4.50 kg is not above 5
  EXPECT_EQ(ItemNote(s, bag, 3), kNote150x3);
  s.tooHeavyKg = 4;
  EXPECT_EQ(ItemNote(s, bag, 3),
            " [<SPAN TITLE=\"Súly: 1.50 kg, Eladási ár: 7 ap, Vételi ár: 9 ap\" CLASS=vpkap>"
            "<FONT COLOR=red>4.50</FONT>/21</SPAN>]"_cp);
  const PageSettings other = NoteSettings("x");
  EXPECT_EQ(
      ItemNote(other, Item(2, 0, 0, 5, ""), 1),
      " [<SPAN TITLE=\"Súly: 0.05 kg, Eladási ár: 0 ap, Vételi ár: 0 ap\" CLASS=x>0.05/0</SPAN>]"_cp);
  EXPECT_EQ(Hundredths(0), "0.00");
  EXPECT_EQ(Hundredths(1234567), "12345.67");
  EXPECT_EQ(Hundredths(-5), "-0.05");
}

TEST(ItemListTables, AnnotateLinksTheNumberAndAddsTheNote) {
  Walker w(
      "<TD CLASS=tdb> 3 </TD>\r\n<TD CLASS=teq>=</TD>\r\n"
      "<TD><A HREF=\"#t150\" CLASS=enc0>bőrzsák</A> (#150)</TD>\r\n"
      "<TR><TD>(#150)</TD></TR>\r\n</table>\r\nafter\r\n"_cp);
  WalkItemTable(w.run, WalkMode::kAnnotate, false);
  EXPECT_EQ(w.page.Text(),
            std::string("<TD CLASS=tdb> 3 </TD>\r\n<TD CLASS=teq>=</TD>\r\n"
                        "<TD><A HREF=\"#t150\" CLASS=enc0>bőrzsák</A> ("_cp) +
                kLink150 + "#150</A>)" + kNote150x3 +
                "</TD>\r\n"
                "<TR><TD>(#150)</TD></TR>\r\n"  // neither a count nor a contained line
                "</table>\r\n");
  EXPECT_EQ(w.run.currentLine, "</table>");
  EXPECT_TRUE(w.run.items.empty());
}

TEST(ItemListTables, RuneCountLineSetsTheLimitAndLosesItsPrefix) {
  Walker w(
      "<TD CLASS=tdb>3&ge; 5</TD>\r\n<TD CLASS=teq>=</TD>\r\n"
      "<TD><A HREF=x CLASS=enc0>nyíl</A> (#140)</TD>\r\n</table>\r\n"_cp);
  w.run.watchedItems.insert(140);
  WalkItemTable(w.run, WalkMode::kAnnotate, false);
  EXPECT_EQ(
      w.page.Text(),
      "<TD CLASS=tdb> 5</TD>\r\n<TD CLASS=teq>=</TD>\r\n"
      "<TD><A HREF=x CLASS=enc0>nyíl</A> (<A HREF='http://e.example/t.php?f=tenc&ssz=140.htm' "
      "TITLE='Trinigan rúnája: max 3 db' TARGET=lumentargyenc CLASS=trinigan "
      "style=\"color: #C43157\">#140</A>) [<SPAN TITLE=\"Súly: 0.05 kg, Eladási ár: 1 ap, "
      "Vételi ár: 2 ap\" CLASS=vpkap>0.25/5</SPAN>]</TD>\r\n</table>\r\n"_cp);
}

TEST(ItemListTables, RuneCellWithoutCountLeavesTheItemUnlinked) {
  Walker w(
      "<TD CLASS=tdb>3&ge;</TD>\r\n<TD CLASS=teq>=</TD>\r\n"
      "<TD><A HREF=x CLASS=enc0>nyíl</A> (#140)</TD>\r\n</table>\r\n"_cp);
  WalkItemTable(w.run, WalkMode::kAnnotate, false);
  EXPECT_EQ(w.page.Text(),
            "<TD CLASS=tdb></TD>\r\n<TD CLASS=teq>=</TD>\r\n"
            "<TD><A HREF=x CLASS=enc0>nyíl</A> (#140)</TD>\r\n</table>\r\n"_cp);
}

TEST(ItemListTables, DollarMarkerAndContainedItemWithoutColour) {
  Walker w(
      "<TD CLASS=tdb>2&ge; 1</TD>\r\n-\r\n<TD><A HREF=y CLASS=enc0>ezüst</A> ($1)</TD>\r\n"
      "<TD>[benne 3 <A HREF=z CLASS=enc0kf>nyíl</A> (#140)]</TD>\r\n</table>\r\n"_cp);
  w.run.watchedItems = {1, 140};
  WalkItemTable(w.run, WalkMode::kAnnotate, false);
  // The contained item keeps the rune limit of the last count line but is
  // never coloured.
  EXPECT_EQ(w.page.Text(),
            "<TD CLASS=tdb> 1</TD>\r\n-\r\n"
            "<TD><A HREF=y CLASS=enc0>ezüst</A> (<A HREF='http://e.example/t.php?f=tenc&ssz=1.htm' "
            "TITLE='Trinigan rúnája: max 2 db' TARGET=lumentargyenc CLASS=trinigan "
            "style=\"color: #C43157\">$1</A>) [<SPAN TITLE=\"Súly: 0.01 kg, Eladási ár: 3 ap, "
            "Vételi ár: 4 ap\" CLASS=vpkap>0.01/3</SPAN>]</TD>\r\n"
            "<TD>[benne 3 <A HREF=z CLASS=enc0kf>nyíl</A> (<A "
            "HREF='http://e.example/t.php?f=tenc&ssz=140.htm' "
            "TITLE='Trinigan rúnája: max 2 db' TARGET=lumentargyenc CLASS=trinigan>#140</A>) "
            "[<SPAN TITLE=\"Súly: 0.05 kg, Eladási ár: 1 ap, Vételi ár: 2 ap\" CLASS=vpkap>0.15/3"
            "</SPAN>]]</TD>\r\n</table>\r\n"_cp);
}

TEST(ItemListTables, ItemWithoutNoteWhenTheItemFileLacksIt) {
  Walker w("<TD CLASS=tdb>1</TD>\r\n-\r\n<TD>(#999)</TD>\r\n</table>\r\n");
  WalkItemTable(w.run, WalkMode::kAnnotate, false);
  EXPECT_EQ(w.page.Text(),
            "<TD CLASS=tdb>1</TD>\r\n-\r\n<TD>(<A HREF='http://e.example/t.php?f=tenc&ssz=999.htm' "
            "TARGET=lumentargyenc CLASS=enc0>#999</A>)</TD>\r\n</table>\r\n");
}

TEST(ItemListTables, CollectCountsItemsAndBankItemsInFirstSeenOrder) {
  Walker w(
      "<TD CLASS=tdb> 1 </TD>\r\n-\r\n<TD><A HREF=a CLASS=enc0>tőr</A> (#120)</TD>\r\n"
      "<TD>[benne 3 <A HREF=b CLASS=enc0kf>fű</A> (#311)]</TD>\r\n"
      // A count whose item line has no number is not counted anywhere.
      "<TD CLASS=tdb> 9 </TD>\r\n-\r\n<TD>semmi</TD>\r\n"
      "</table>\r\nbank\r\n"
      "<TD CLASS=tdb> 4 </TD>\r\n-\r\n<TD><A HREF=c CLASS=enc0>fű2</A> (#311)</TD>\r\n"
      "<TD CLASS=tdb> 1 </TD>\r\n-\r\n<TD><A HREF=d CLASS=enc0>vért</A> (#410)</TD>\r\n"
      "</table>\r\n"_cp);
  WalkItemTable(w.run, WalkMode::kCollect, false);
  EXPECT_EQ(w.run.currentLine, "</table>");
  w.run.ReadLine();  // "bank"
  WalkItemTable(w.run, WalkMode::kCollect, true);
  EXPECT_EQ(w.page.Text(), "");
  ASSERT_EQ(w.run.items.size(), 3u);
  const FoundItem& dagger = w.run.items[0];
  EXPECT_EQ(dagger.number, 120);
  EXPECT_EQ(dagger.name, "tőr"_cp);
  EXPECT_EQ(dagger.link, "<A HREF=a CLASS=enc0>");
  EXPECT_EQ(dagger.count, 1);
  EXPECT_EQ(dagger.bankCount, 0);
  const FoundItem& herb = w.run.items[1];
  EXPECT_EQ(herb.number, 311);
  EXPECT_EQ(herb.name, "fű"_cp);  // name and link of the first sighting
  EXPECT_EQ(herb.link, "<A HREF=b CLASS=enc0kf>");
  EXPECT_EQ(herb.count, 7);
  EXPECT_EQ(herb.bankCount, 4);
  EXPECT_EQ(w.run.items[2].number, 410);
  EXPECT_EQ(w.run.items[2].count, 1);
  EXPECT_EQ(w.run.items[2].bankCount, 1);
}

// A count cell's text, blanks trimmed, is read by the tool's number rule;
// an item is counted only behind a count above 0.
TEST(ItemListTables, CountCellTextsReadByTheNumberRule) {
  const struct {
    const char* text;
    std::int64_t count;  // 0: the item is not counted
  } cells[] = {{" 12 ", 12},
               {"12", 12},
               {"0012", 12},
               {"123456789", 123456789},
               {"1234567890", 1234567890},
               {"99999999999", 0},
               {"+5", 5},
               {" 5 x", 0},
               {"$1F", 31},
               {"-3", 0},
               {"7<b>8</b>", 7},
               {"", 0},
               {"  9", 9},
               {"2 3", 0}};
  for (const auto& cell : cells) {
    Walker w(std::string("<TD CLASS=tdb>") + cell.text +
             "</TD>\r\n-\r\n<TD><A HREF=a CLASS=enc0>x</A> (#120)</TD>\r\n</table>\r\n");
    WalkItemTable(w.run, WalkMode::kCollect, false);
    if (cell.count == 0) {
      EXPECT_TRUE(w.run.items.empty()) << cell.text;
    } else {
      ASSERT_EQ(w.run.items.size(), 1u) << cell.text;
      EXPECT_EQ(w.run.items[0].count, cell.count) << cell.text;
    }
  }
}

// Two sightings of 2^31 - 1 (and two of -2^31 inside a bag) add up past
// 32 bits without wrapping.
TEST(ItemListTables, CountsAddUpPastThirtyTwoBits) {
  const std::string own(
      "<TD CLASS=tdb>2147483647</TD>\r\n-\r\n<TD><A HREF=a CLASS=enc0>tőr</A> (#120)</TD>\r\n"_cp);
  const std::string bag("<TD>[benne -2147483648 <A HREF=b CLASS=enc0kf>fű</A> (#311)]</TD>\r\n"_cp);
  Walker w(own + bag + bag + "</table>\r\nbank\r\n" + own + "</table>\r\n");
  WalkItemTable(w.run, WalkMode::kCollect, false);
  w.run.ReadLine();  // "bank"
  WalkItemTable(w.run, WalkMode::kCollect, true);
  ASSERT_EQ(w.run.items.size(), 2u);
  EXPECT_EQ(w.run.items[0].count, 4294967294);
  EXPECT_EQ(w.run.items[0].bankCount, 2147483647);
  EXPECT_EQ(w.run.items[1].count, -4294967296);
}

// --- Newer layout: a table row on each line, several items to a row --------

std::string S(std::string_view text) { return std::string(text); }
std::string Count(std::string_view n) {
  return R"(<TD ALIGN=RIGHT CLASS="t1" WIDTH=30>)" + S(n) + "</TD>";
}
std::string Cell(std::string_view text) { return R"( <TD CLASS="t1">)" + S(text) + "</TD>"; }

// Each rule of the row reader, walked to annotate (140 watched) and to
// collect ("number name count link bank;" per item). Every table ends at its
// end line, before a row that the walk must not reach.
TEST(ItemListTables, NewerLayoutRowsGiveEachItemItsLinkAndNoteInItsOwnCell) {
  const std::string bag = S("<A HREF=a CLASS=enc0>bőrzsák</A> (#150)"_cp);
  const std::string bagLinked = S("<A HREF=a CLASS=enc0>bőrzsák</A> ("_cp) + kLink150 + "#150</A>)";
  const std::string arrows = S("<A HREF=b CLASS=enc0>nyíl</A> ("_cp);
  const std::string link140 =
      "<A HREF='http://e.example/t.php?f=tenc&ssz=140.htm' TARGET=lumentargyenc CLASS=enc0";
  const std::string note140 =
      S(" [<SPAN TITLE=\"Súly: 0.05 kg, Eladási ár: 1 ap, Vételi ár: 2 ap\" CLASS=vpkap>"_cp);
  const std::string potion = R"( <TD CLASS="t1" COLSPAN=6>Mint a (#150).</TD></TR>)";
  const std::string contained = S(R"(<TR><TD COLSPAN=3></TD><TD CLASS="t1" COLSPAN=6>[benne 4 )") +
                                S("<A HREF=d CLASS=enc0kf>nyíl</A> ("_cp);
  const std::string heading = R"(<TR><TD CLASS="c3" COLSPAN=9>Eszközök (#150)</TD></TR>)";
  struct Case {
    const char* rule;
    bool bank;
    std::string row, annotated, collected;
  } cases[] = {
      {"one item, with a mark", false, "<TR>" + Count("3") + Cell("*") + Cell(bag) + "</TR>",
       "<TR>" + Count("3") + Cell("*") + Cell(bagLinked + kNote150x3) + "</TR>",
       S("150 bőrzsák 3 <A HREF=a CLASS=enc0> 0;"_cp)},
      {"two items without mark cells, in the bank", true,
       "<TR>" + Count("2") + Cell(arrows + "#140)") + " " + Count("5") + Cell("ezüst ($1)"_cp) +
           "</TR>",
       "<TR>" + Count("2") +
           Cell(arrows + link140 + " style=\"color: #C43157\">#140</A>)" + note140 +
                "0.10/2</SPAN>]") +
           " " + Count("5") +
           Cell("ezüst (<A HREF='http://e.example/t.php?f=tenc&ssz=1.htm' TARGET=lumentargyenc "
                "CLASS=enc0>$1</A>) [<SPAN TITLE=\"Súly: 0.01 kg, Eladási ár: 3 ap, Vételi ár: 4 "
                "ap\" CLASS=vpkap>0.05/15</SPAN>]"_cp) +
           "</TR>",
       S("140 nyíl 2 <A HREF=b CLASS=enc0> 2;1  5  5;"_cp)},
      {"three items; a missing count leaves its item as it stands", false,
       "<TR>" + Count("1") + Cell("") + Cell(bag) + " " + Count("") + Cell("*") +
           Cell(arrows + "#140)") + " " + Count("1") + Cell("") + Cell("(#999)") + "</TR>",
       "<TR>" + Count("1") + Cell("") +
           Cell(bagLinked + S(" [<SPAN TITLE=\"Súly: 1.50 kg, Eladási ár: 7 ap, Vételi ár: 9 ap\" "
                              "CLASS=vpkap>1.50/7</SPAN>]"_cp)) +
           " " + Count("") + Cell("*") + Cell(arrows + "#140)") + " " + Count("1") + Cell("") +
           Cell("(<A HREF='http://e.example/t.php?f=tenc&ssz=999.htm' TARGET=lumentargyenc "
                "CLASS=enc0>#999</A>)") +
           "</TR>",
       S("150 bőrzsák 1 <A HREF=a CLASS=enc0> 0;999  1  0;"_cp)},
      {"a potion's effect cell is no part of the potion", false,
       "<TR>" + Count("2") + Cell("") + Cell("ital") + potion,
       "<TR>" + Count("2") + Cell("") + Cell("ital") + potion, ""},
      {"a contained item is never coloured; a heading is copied", false,
       heading + "\r\n" + contained + "#140)]</TD></TR>",
       heading + "\r\n" + contained + link140 + ">#140</A>)" + note140 +
           "0.20/4</SPAN>]]</TD></TR>",
       S("140 nyíl 4 <A HREF=d CLASS=enc0kf> 0;"_cp)},
  };
  const std::string end = "</TABLE></TD></TR></TABLE>";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    const std::string report =
        c.row + "\r\n" + end + "\r\n<TR>" + Count("1") + Cell(bag) + "</TR>\r\n";
    Walker annotate(report, Layout::kNewer);
    annotate.run.watchedItems.insert(140);
    WalkItemTable(annotate.run, WalkMode::kAnnotate, c.bank);
    EXPECT_EQ(annotate.page.Text(), c.annotated + "\r\n" + end + "\r\n");
    EXPECT_EQ(annotate.run.currentLine, end);
    Walker collect(report, Layout::kNewer);
    WalkItemTable(collect.run, WalkMode::kCollect, c.bank);
    std::string collected;
    for (const FoundItem& i : collect.run.items)
      collected += std::to_string(i.number) + " " + i.name + " " + std::to_string(i.count) + " " +
                   i.link + " " + std::to_string(i.bankCount) + ";";
    EXPECT_EQ(collected, c.collected);
  }
}

TEST(ItemListTables, WalkThatStartsOnTheTableEndReadsNothing) {
  Walker w("x\r\n</table>\r\n");
  w.run.currentLine = "</table>";
  WalkItemTable(w.run, WalkMode::kAnnotate, false);
  EXPECT_EQ(w.page.Text(), "");
  EXPECT_EQ(w.run.ReadLine(), "x");
}

}  // namespace
}  // namespace qv
