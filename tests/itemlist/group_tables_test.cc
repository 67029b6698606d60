// The item-group tables and the table of watched items and spells.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "itemlist/group_tables.h"
#include "itemlist/item_tables.h"
#include "tests/support/lines.h"
#include "tests/support/page_harness.h"
#include "text/cp1250.h"

namespace qv {
namespace {

using test::Lines;

// A page run over an empty report, writing into memory.
struct Tables : test::PageHarness {
  void Item(int number, int count, int bank, const std::string& link, std::string_view name) {
    run.AddItem(FoundItem{number, std::string(name), count, link, bank});
  }
};

TEST(ItemListGroups, RowsOfThreeFilledUpAndEmptyGroupsSaySo) {
  Tables t;
  t.setup.settings.groupCount = 2;
  t.setup.groups = {{"Fegyverek", ",120,140,160,999,"}, {std::string("Üres"_cp), ",900,"}};
  t.Item(120, 1, 0, "<A HREF=a CLASS=enc0>", "tőr"_cp);
  t.Item(140, 5, 0, "<A HREF=b CLASS=enc0>", "nyíl"_cp);
  t.Item(12, 3, 0, "<A HREF=n CLASS=enc0>", "nem");  // ",12," is not in the group
  t.Item(160, 1, 0, "<A HREF=c CLASS=enc0>", "íj"_cp);
  t.Item(999, 6, 4, "<A HREF=d CLASS=enc0>", "x");  // bank count included in the count
  WriteGroupTables(t.run);
  EXPECT_EQ(
      t.page.Text(),
      Lines({"<TABLE>",
             "<TR CLASS=tfej>",
             "<TD COLSPAN=9>TÁRGYCSOPORTOK</TD>"_cp,
             "</TR>",
             "<TR CLASS=tfej2>",
             "<TD COLSPAN=9> Fegyverek</TD>",
             "</TR>",
             "<TR>",
             "<TD CLASS=tdb> 1 </TD>",
             "<TD CLASS=teq> </TD>",
             "<TD> <A HREF=a CLASS=enc0>tőr</A> (#120) </TD>"_cp,
             "<TD CLASS=tdb> 5 </TD>",
             "<TD CLASS=teq> </TD>",
             "<TD> <A HREF=b CLASS=enc0>nyíl</A> (#140) </TD>"_cp,
             "<TD CLASS=tdb> 1 </TD>",
             "<TD CLASS=teq> </TD>",
             "<TD> <A HREF=c CLASS=enc0>íj</A> (#160) </TD>"_cp,
             "</TR>",
             "<TR>",
             "<TD CLASS=tdb> 6 </TD>",
             "<TD CLASS=teq> </TD>",
             "<TD> <A HREF=d CLASS=enc0>x</A> (#999) </TD>",
             "<TD CLASS=tdb></TD>",
             "<TD CLASS=teq></TD>",
             "<TD></TD>",
             "<TD CLASS=tdb></TD>",
             "<TD CLASS=teq></TD>",
             "<TD></TD>",
             "</TR>",
             "<TR CLASS=tfej2>",
             "<TD COLSPAN=9> Üres</TD>"_cp,
             "</TR>",
             "<TR>",
             "<TD COLSPAN=9><SPAN CLASS=hiba>Nincs egyetlen ilyen tárgyad sem!</SPAN></TD>"_cp,
             "</TR>",
             "</TABLE>",
             "<P>"}));
}

// A group shows its items in the order the report gave them, each once,
// whatever the order of its own list; an entry matches only a number's
// exact decimal text.
TEST(ItemListGroups, ItemsInReportOrderOnceEachByExactNumber) {
  Tables t;
  t.setup.settings.groupCount = 1;
  t.setup.groups = {{"G", ",999,120,120,,+140,-5,05,140x,"}};
  t.Item(120, 1, 0, "<A>", "a");
  t.Item(140, 2, 0, "<A>", "b");  // written "+140" and "140x" only
  t.Item(-5, 3, 0, "<A>", "c");
  t.Item(5, 4, 0, "<A>", "d");  // written "05" only
  t.Item(999, 5, 0, "<A>", "e");
  WriteGroupTables(t.run);
  EXPECT_EQ(t.page.Text(), Lines({"<TABLE>",
                                  "<TR CLASS=tfej>",
                                  "<TD COLSPAN=9>TÁRGYCSOPORTOK</TD>"_cp,
                                  "</TR>",
                                  "<TR CLASS=tfej2>",
                                  "<TD COLSPAN=9> G</TD>",
                                  "</TR>",
                                  "<TR>",
                                  "<TD CLASS=tdb> 1 </TD>",
                                  "<TD CLASS=teq> </TD>",
                                  "<TD> <A>a</A> (#120) </TD>",
                                  "<TD CLASS=tdb> 3 </TD>",
                                  "<TD CLASS=teq> </TD>",
                                  "<TD> <A>c</A> (#-5) </TD>",
                                  "<TD CLASS=tdb> 5 </TD>",
                                  "<TD CLASS=teq> </TD>",
                                  "<TD> <A>e</A> (#999) </TD>",
                                  "</TR>",
                                  "</TABLE>",
                                  "<P>"}));
}

TEST(ItemListGroups, NoGroupCountNoTable) {
  Tables t;
  t.setup.groups = {{"A", ",1,"}};
  t.Item(1, 1, 0, "<A>", "a");
  WriteGroupTables(t.run);
  EXPECT_EQ(t.page.Text(), "");
}

TEST(ItemListWatched, HarmfulWatchedSpellsAndWatchedItems) {
  Tables t;
  PageSettings& s = t.setup.settings;
  s.watchedBackground = "#FFF";
  s.harmfulSpells = "40,77";            // 77 is not active: not shown
  s.watchedSpells = " 55,56 ,12, 99 ";  // "56 " is not a number; 12 is active
  s.watchedItems = "1234<2,140>4,999<1,505<2,77<0,0<5,abc,410>-1";
  t.run.spells = {{40, std::string("Lassítás "_cp)}, {12, std::string("Tűzpajzs "_cp)}};
  SpellRecord known;
  known.number = 55;
  known.name = " éjjellátás"_cp;
  t.setup.spells.Add(known);
  ItemRecord bread;
  bread.number = 505;
  bread.name = " kenyér";
  t.setup.items.Add(bread);
  t.Item(1234, 6, 5, "<A HREF=e CLASS=enc0>", "kard");  // 1 carried, 5 in the bank
  t.Item(140, 5, 0, "<A HREF=b CLASS=enc0>", "nyíl"_cp);

  WriteWatchedTable(t.run);
  const std::string filler3 =
      "<TD COLSPAN=3>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</TD>";
  EXPECT_EQ(t.page.Text(),
            Lines({"<CENTER><DIV CLASS=klap><TABLE STYLE='background-color:#FFF'>",
                   "<TR CLASS=tfej>",
                   "<TD COLSPAN=9>FIGYELT TÁRGYAK ÉS VARÁZSLATOK</TD>"_cp,
                   "</TR>",
                   "<TR CLASS=tfej2>",
                   "<TD COLSPAN=9>Ártalmas varázslatok</TD>"_cp,
                   "</TR>",
                   "<TR>",
                   "<TD COLSPAN=3>Lassítás  (#40)</TD>"_cp,
                   filler3,
                   filler3,
                   "</TR>",
                   "<TR CLASS=tfej2>",
                   "<TD COLSPAN=9>Figyelt varázslatok</TD>"_cp,
                   "</TR>",
                   "<TR>",
                   "<TD COLSPAN=3> éjjellátás (#55)</TD>"_cp,
                   "<TD COLSPAN=3>ismeretlen varázslat (#99)</TD>"_cp,
                   filler3,
                   "</TR>",
                   "<TR CLASS=tfej2>",
                   "<TD COLSPAN=9>Figyelt tárgyak</TD>"_cp,
                   "</TR>",
                   "<TR>",
                   "<TD CLASS=tdb> 1 </TD>",
                   "<TD CLASS=teq> </TD>",
                   "<TD><A HREF=e CLASS=enc0>kard</A> (#1234) [<2] (bankban: 5)</TD>",
                   "<TD CLASS=tdb> 5 </TD>",
                   "<TD CLASS=teq> </TD>",
                   "<TD><A HREF=b CLASS=enc0>nyíl</A> (#140) [>4]</TD>"_cp,
                   "<TD CLASS=tdb> 0 </TD>",
                   "<TD CLASS=teq> </TD>",
                   "<TD> ismeretlen tárgy (#999) [<1]</TD>"_cp,
                   "</TR>",
                   "<TR>",
                   "<TD CLASS=tdb> 0 </TD>",
                   "<TD CLASS=teq> </TD>",
                   "<TD>  kenyér (#505) [<2]</TD>",
                   "<TD CLASS=tdb> 0 </TD>",
                   "<TD CLASS=teq> </TD>",
                   "<TD> ismeretlen tárgy (#410) [>-1]</TD>"_cp,
                   "<TD CLASS=tdb></TD>",
                   "<TD CLASS=teq></TD>",
                   "<TD>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</TD>",
                   "</TR>",
                   "</TABLE>",
                   "</DIV></CENTER><P>",
                   ""}));
  // Every entry with a sign and a number above 0 is watched, cell or not.
  EXPECT_EQ(t.run.watchedItems, (std::unordered_set<int>{1234, 140, 999, 505, 77, 410}));
}

TEST(ItemListWatched, NothingToShowWritesNothing) {
  Tables t;
  t.setup.settings.harmfulSpells = "40";     // not active
  t.setup.settings.watchedSpells = "12";     // active
  t.setup.settings.watchedItems = "1234<2";  // 2 carried outside the bank
  t.run.spells = {{12, "T"}};
  t.Item(1234, 7, 5, "<A>", "kard");
  WriteWatchedTable(t.run);
  EXPECT_EQ(t.page.Text(), "");
  EXPECT_EQ(t.run.watchedItems.count(1234), 1u);
}

TEST(ItemListGroups, NumbersLookedUpAreTheWatchedAndTheGroupsExactDecimalEntries) {
  PageSettings s;
  // "abc" has no sign, 0 and -2 are not above 0.
  s.watchedItems = "311<5,140>4,abc,0<3,-2>1,12<x,5>0";
  // " 140", "007", "+5" and "99 " are no item's decimal text.
  const std::vector<ItemGroup> groups = {{"a", ",120, 140,7,007,-3,"},
                                         {"b", ",+5,99 ,0,2147483647,"}};
  EXPECT_EQ(ItemNumbersLookedUp(s, groups),
            (std::vector<int>{-3, 0, 5, 7, 12, 120, 140, 311, 2147483647}));
}

// Collecting only the numbers the tables look up gives the tables of
// collecting every item.
TEST(ItemListGroups, TablesOfTheLookedUpItemsAreThoseOfAllItems) {
  std::string report;
  const int numbers[] = {120, 140, 7, -3, 0, 311, 12, 5, 99, 2147483647, 8, 140, 7, 311};
  int n = 0;
  for (const int number : numbers) {
    const std::string num = std::to_string(number);
    report += "<TD CLASS=tdb> " + std::to_string(++n) + " </TD>\r\n-\r\n<TD><A HREF=" + num +
              " CLASS=enc0>t" + num + "</A> (#" + num + ")</TD>\r\n";
    if (n % 4 == 0) report += "<TD>[benne 2 <A HREF=k CLASS=enc0kf>k</A> (#" + num + ")]</TD>\r\n";
  }
  report += "</table>\r\nbank\r\n" + report + "</table>\r\n";
  // The watched and group tables after collecting the table and the bank,
  // and how many items were kept.
  auto tables = [&report](bool lookedUpOnly) {
    test::PageHarness t(report);
    PageSettings& s = t.setup.settings;
    s.groupCount = 2;
    s.watchedItems = "311<50,140>4,12<1,8>0,5>99,7<100";
    t.setup.groups = {{"a", ",120, 140,7,007,-3,"}, {"b", ",+5,99 ,0,2147483647,"}};
    if (lookedUpOnly) t.run.itemsLookedUp = ItemNumbersLookedUp(s, t.setup.groups);
    WalkItemTable(t.run, WalkMode::kCollect, false);
    t.run.ReadLine();  // "bank"
    WalkItemTable(t.run, WalkMode::kCollect, true);
    WriteWatchedTable(t.run);
    WriteGroupTables(t.run);
    return std::make_pair(t.page.Text(), t.run.items.size());
  };
  const auto [all, allKept] = tables(false);
  const auto [lookedUp, lookedUpKept] = tables(true);
  EXPECT_EQ(lookedUp, all);
  EXPECT_EQ(allKept, 11u);       // every distinct number
  EXPECT_EQ(lookedUpKept, 10u);  // all but 99
  // Both tables name collected items.
  EXPECT_NE(all.find("(#2147483647) </TD>"), std::string::npos);
  EXPECT_NE(all.find("(#0) </TD>"), std::string::npos);
  EXPECT_NE(all.find("(#311) [<50]"), std::string::npos);
}

}  // namespace
}  // namespace qv
