// The item-group tables and the table of watched items and spells.
#include <gtest/gtest.h>

#include <string>

#include "itemlist/group_tables.h"
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

}  // namespace
}  // namespace qv
