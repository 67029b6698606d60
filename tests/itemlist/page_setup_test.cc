// Settings, item groups and the item and spell lists of the item-list page.
#include <gtest/gtest.h>

#include <string>

#include "itemlist/page_setup.h"
#include "platform/error.h"
#include "platform/user_dirs.h"
#include "tests/support/consoles.h"
#include "tests/support/editor_forms.h"
#include "tests/support/scratch_dir.h"
#include "text/cp1250.h"

namespace qv {
namespace {

using test::RecordingConsole;
using test::TempDir;

TEST(ItemListSettings, DefaultsAndTheLinkFollowingTheSiteHost) {
  TempDir dir;
  const PageSettings s = ReadPageSettings(IniFile(dir.path() + "/none.ini"), "www.a.example");
  EXPECT_EQ(s.tooHeavyKg, 0);
  EXPECT_EQ(s.noteClass, "vpkap");
  EXPECT_EQ(s.groupCount, 0);
  EXPECT_EQ(s.itemLink, "http://www.a.example/weblumen/targy_enc.php?");
  EXPECT_EQ(s.itemLinkExt, ".htm");
  EXPECT_EQ(s.watchedBackground, "");
  EXPECT_EQ(s.harmfulSpells, "");
  EXPECT_EQ(s.watchedSpells, "");
  EXPECT_EQ(s.watchedItems, "");
  EXPECT_EQ(s.watchedItemColour, "#C43157");
}

TEST(ItemListSettings, KeysAndGroups) {
  TempDir dir;
  dir.Write("s.ini",
            "[FORMAT]\r\nTulNagySuly=$10\r\nKiemeles=k\r\nTargyEncLink=L?\r\nTargyEncLinkExt=.x\r\n"
            "[FORMAT_FIGYELES]\r\nHatterSzin=#FFF\r\nArtoSpellek=1\r\nFigyeltSpellek=2\r\n"
            "FigyeltTargyak=3<4\r\nFigyeltTargyakSzin=red\r\n"
            "[FORMAT_TARGYCSOPORT]\r\nCsoportokSzama=2\r\n"
            "[CSOPORT1]\r\nNev=Fegyverek\r\nSzam= 12, 3 ,45\r\n[CSOPORT3]\r\nNev=Nem olvasott\r\n");
  const IniFile ini(dir.path() + "/s.ini");
  const PageSettings s = ReadPageSettings(ini, "h");
  EXPECT_EQ(s.tooHeavyKg, 16);
  EXPECT_EQ(s.noteClass, "k");
  EXPECT_EQ(s.itemLink, "L?");
  EXPECT_EQ(s.itemLinkExt, ".x");
  EXPECT_EQ(s.watchedBackground, "#FFF");
  EXPECT_EQ(s.harmfulSpells, "1");
  EXPECT_EQ(s.watchedSpells, "2");
  EXPECT_EQ(s.watchedItems, "3<4");
  EXPECT_EQ(s.watchedItemColour, "red");
  const std::vector<ItemGroup> groups = ReadItemGroups(ini, s.groupCount);
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0].name, "Fegyverek");
  EXPECT_EQ(groups[0].numbers, ",12,3,45,");
  EXPECT_TRUE(groups[0].Holds(3));
  EXPECT_TRUE(groups[0].Holds(45));
  EXPECT_FALSE(groups[0].Holds(1));  // part of 12, not a number of the group
  EXPECT_FALSE(groups[0].Holds(4));
  EXPECT_EQ(groups[1].name, "");  // CSOPORT2 is missing
  EXPECT_EQ(groups[1].numbers, ",,");
  EXPECT_TRUE(ReadItemGroups(ini, 0).empty());
}

TEST(ItemListSettings, AtMostTenThousandGroups) {
  TempDir dir;
  dir.Write("qvformat.ini", "[FORMAT_TARGYCSOPORT]\r\nCsoportokSzama=2147483647\r\n");
  try {
    ReadItemListSettings(IniFile(dir.path() + "/qvformat.ini"), "h");
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), "Beallitasi hiba");
    EXPECT_EQ(e.text(), "'" + dir.path() +
                            "/qvformat.ini' 2147483647 targycsoportot ker (CsoportokSzama); "
                            "legfeljebb 10000 keszitheto");
  }
  const IniFile ini(dir.path() + "/qvformat.ini");
  EXPECT_EQ(ReadItemGroups(ini, 10000).size(), 10000u);
  EXPECT_THROW(ReadItemGroups(ini, 10001), Error);
  EXPECT_TRUE(ReadItemGroups(ini, -2147483647 - 1).empty());
}

TEST(ItemListDataFiles, LinesGiveNumbersAndTheNameWithItsBlank) {
  ItemRecord item;
  ASSERT_TRUE(ParseItemLine("120 3 1 10 20 80 rozsdás tőr"_cp, &item));
  EXPECT_EQ(item.number, 120);
  EXPECT_EQ(item.sellPrice, 10);
  EXPECT_EQ(item.buyPrice, 20);
  EXPECT_EQ(item.weight, 80);
  EXPECT_EQ(item.name, " rozsdás tőr"_cp);
  ASSERT_TRUE(ParseItemLine("7  0 0 -1 2 3  két blank"_cp, &item));
  EXPECT_EQ(item.sellPrice, -1);
  EXPECT_EQ(item.name, "  két blank"_cp);
  EXPECT_FALSE(ParseItemLine("", &item));
  EXPECT_FALSE(ParseItemLine("12 3 x 4 5 6 y", &item));

  SpellRecord spell;
  ASSERT_TRUE(ParseSpellLine("12 T 1 2 3 tűzpajzs"_cp, &spell));
  EXPECT_EQ(spell.number, 12);
  EXPECT_EQ(spell.code, 'T');
  EXPECT_EQ(spell.value, 3);
  EXPECT_EQ(spell.name, " tűzpajzs"_cp);
  // The code is the character right after one blank, a digit too.
  ASSERT_TRUE(ParseSpellLine("5 7 1 2 3 x", &spell));
  EXPECT_EQ(spell.code, '7');
  EXPECT_FALSE(ParseSpellLine("5 T 1 2", &spell));
}

TEST(ItemListDataFiles, PreferredNamesFallbacksAndTheLastLineOfANumber) {
  TempDir dir;
  const std::string d = dir.path() + "/";
  // Found nowhere: every place looked, in order.
  try {
    DataFilePath(d, "item.txt", "items.txt");
    ADD_FAILURE();
  } catch (const Error& e) {
    const std::string user = UserDataDir();
    EXPECT_EQ(e.text(), "sem item.txt, sem items.txt nem talalhato; kerestem itt: '" + user +
                            "item.txt', '" + user + "items.txt', '" + d + "item.txt', '" + d +
                            "items.txt'");
  }
  dir.Write("items.txt", "");
  EXPECT_EQ(DataFilePath(d, "item.txt", "items.txt"), d + "items.txt");
  dir.Write("item.txt", "1 0 0 1 1 1 first\r\n\r\n1 0 0 2 2 2 second\r\n2 0 0 3 3 3 other");
  EXPECT_EQ(DataFilePath(d, "item.txt", "items.txt"), d + "item.txt");
  const ItemCatalog items = ReadItemFile(d + "item.txt");
  EXPECT_EQ(items.size(), 3u);
  ASSERT_NE(items.Find(1), nullptr);
  EXPECT_EQ(items.Find(1)->name, " second");
  EXPECT_EQ(items.Find(2)->name, " other");  // a last line without its line end
  EXPECT_EQ(items.Find(3), nullptr);
}

// A mark in front must not hide the first line, nor UTF-16 or CR alone the
// whole list.
TEST(ItemListDataFiles, ListsInEveryFormAnEditorSavesReadAlike) {
  TempDir dir;
  for (const test::EditorForm& form :
       test::EditorForms("120 3 1 10 20 80 rozsdás tőr\n140 1 1 1 2 5 nyílvessző\n")) {
    const ItemCatalog items = ReadItemFile(dir.Write("item.txt", form.bytes));
    ASSERT_EQ(items.size(), 2u) << form.name;
    ASSERT_NE(items.Find(120), nullptr) << form.name;
    EXPECT_EQ(items.Find(120)->name, " rozsdás tőr"_cp) << form.name;
    EXPECT_EQ(items.Find(140)->weight, 5) << form.name;
    EXPECT_EQ(items.Find(140)->name, " nyílvessző"_cp) << form.name;
  }
  for (const test::EditorForm& form : test::EditorForms("55 V 1 1 2 éjjellátás")) {
    const SpellCatalog spells = ReadSpellFile(dir.Write("spell.txt", form.bytes));
    ASSERT_NE(spells.Find(55), nullptr) << form.name;
    EXPECT_EQ(spells.Find(55)->name, " éjjellátás"_cp) << form.name;
  }
}

// The page's setup warns about a list's lost characters by file and line.
TEST(ItemListDataFiles, CharacterWindows1250LacksIsWarnedAboutByFileAndLine) {
  TempDir dir;
  dir.Write("item.txt", "1 0 0 1 1 1 a\n\n3 0 0 1 1 1 ♣ lóhere\n");
  dir.Write("spell.txt", "");
  RecordingConsole console;
  const RunContext ctx{console, dir.path() + "/"};
  const PageSetup setup = LoadPageSetup(ctx, DefaultItemListSettings());
  EXPECT_EQ(setup.items.Find(3)->name, " ? lóhere"_cp);
  EXPECT_EQ(console.lines,
            std::vector<std::string>{"ERR qvformat: Figyelem: '" + dir.path() +
                                     "/item.txt' 3. soraban olyan betu all, amely nincs meg a "
                                     "Windows-1250 kodlapban: \"?\" lett belole"});
}

TEST(ItemListDataFiles, MissingListEndsTheRun) {
  TempDir dir;
  RecordingConsole console;
  const RunContext ctx{console, dir.path() + "/"};
  EXPECT_THROW(LoadPageSetup(ctx, DefaultItemListSettings()),
               Error);  // neither item.txt nor items.txt
  dir.Write("items.txt", "1 0 0 1 1 1 a\r\n");
  EXPECT_THROW(LoadPageSetup(ctx, DefaultItemListSettings()), Error);  // no spell list
  dir.Write("spells.txt", "4 A 0 0 0 b\r\n");
  const PageSetup setup = LoadPageSetup(ctx, DefaultItemListSettings());
  EXPECT_EQ(setup.items.Find(1)->name, " a");
  EXPECT_EQ(setup.spells.Find(4)->name, " b");
}

TEST(ItemListSetup, CacheReadsOnceAndKeepsWhatItRead) {
  TempDir dir;
  dir.Write("item.txt", "1 0 0 1 1 1 a\r\n");
  dir.Write("spell.txt", "");
  ItemListSettings settings;
  settings.settings.noteClass = "first";
  RecordingConsole console;
  const RunContext ctx{console, dir.path() + "/"};
  PageSetupCache cache;
  EXPECT_FALSE(cache.loaded());
  const PageSetup& first = cache.Get(ctx, settings);
  settings.settings.noteClass = "second";
  dir.Write("item.txt", "1 0 0 1 1 1 changed\r\n");
  const PageSetup& second = cache.Get(ctx, settings);
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(second.settings.noteClass, "first");
  EXPECT_EQ(second.items.Find(1)->name, " a");
}

}  // namespace
}  // namespace qv
