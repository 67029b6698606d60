// The player's own files in the per-user folders of a POSIX system: settings,
// data lists and pictures, each winning over those beside the executable.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "config/file_places.h"
#include "config/settings_file.h"
#include "config/site.h"
#include "itemlist/data_files.h"
#include "maps/picture_set.h"
#include "platform/error.h"
#include "platform/user_dirs.h"
#include "tests/support/bmp_files.h"
#include "tests/support/bytes.h"
#include "tests/support/scoped_env.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_pictures.h"

namespace qv {
namespace {

using test::ScopedEnv;

// The site as the settings file found for exe names it.
SiteSettings Site(const std::string& exe) {
  return ReadSiteSettings(IniFile(SettingsPath(exe)), exe);
}

// A program directory and a home with the per-user directories in it.
class UserFiles : public ::testing::Test {
 protected:
  UserFiles()
      : exe(program.path() + "/"),
        config(home.path() + "/.config/qvformat/"),
        data(home.path() + "/.local/share/qvformat/"),
        homeEnv("HOME", home.path().c_str()),
        configEnv("XDG_CONFIG_HOME", nullptr),
        dataEnv("XDG_DATA_HOME", nullptr) {
    for (const char* d : {"/.config", "/.config/qvformat", "/.local", "/.local/share",
                          "/.local/share/qvformat", "/.local/share/qvformat/picture"})
      mkdir((home.path() + d).c_str(), 0755);
  }
  test::TempDir program, home;
  const std::string exe, config, data;
  ScopedEnv homeEnv, configEnv, dataEnv;
};

TEST_F(UserFiles, SettingsOfThePlayerWinOverThoseBesideTheExecutable) {
  EXPECT_EQ(SettingsPath(exe), exe + "qvformat.ini");
  program.Write("qvformat.ini", "[LETOLTES]\r\nSzerver=program.example\r\n");
  EXPECT_EQ(SettingsPath(exe), exe + "qvformat.ini");
  EXPECT_EQ(Site(exe).domain, "program.example");

  home.Write(".config/qvformat/qvformat.ini", "[LETOLTES]\r\nSzerver=anna.example\r\n");
  EXPECT_EQ(SettingsPath(exe), config + "qvformat.ini");
  EXPECT_EQ(Site(exe).domain, "anna.example");
  EXPECT_EQ(PageSettingsPath("", exe), config + "qvformat.ini");
  // A relative "/ini=" name: the player's folder before the executable's.
  program.Write("x.ini", "");
  EXPECT_EQ(PageSettingsPath("x.ini", exe), exe + "x.ini");
  home.Write(".config/qvformat/x.ini", "");
  EXPECT_EQ(PageSettingsPath("x.ini", exe), config + "x.ini");
  EXPECT_EQ(PageSettingsPath(exe + "x.ini", "/elsewhere/"), exe + "x.ini");

  // XDG_CONFIG_HOME moves the directory; a relative one is passed over.
  test::TempDir other;
  other.Write("qvformat/qvformat.ini", "[LETOLTES]\r\nSzerver=other.example\r\n");
  {
    ScopedEnv moved("XDG_CONFIG_HOME", other.path().c_str());
    EXPECT_EQ(SettingsPath(exe), other.path() + "/qvformat/qvformat.ini");
  }
  {
    ScopedEnv relative("XDG_CONFIG_HOME", "qvformat-relative");
    EXPECT_EQ(SettingsPath(exe), config + "qvformat.ini");
  }
  // Without HOME only the executable's directory is left.
  ScopedEnv noHome("HOME", nullptr);
  EXPECT_EQ(SettingsPath(exe), exe + "qvformat.ini");
}

TEST_F(UserFiles, DataListsAreLookedForInThePlayersDirectoryFirst) {
  // Nothing anywhere: the error names every place looked, the player's first.
  try {
    DataFilePath(exe, "item.txt", "items.txt");
    ADD_FAILURE();
  } catch (const Error& e) {
    EXPECT_EQ(e.text(), "sem item.txt, sem items.txt nem talalhato; kerestem itt: '" + data +
                            "item.txt', '" + data + "items.txt', '" + exe + "item.txt', '" + exe +
                            "items.txt'");
  }
  program.Write("item.txt", "");
  program.Write("spells.txt", "");
  EXPECT_EQ(DataFilePath(exe, "item.txt", "items.txt"), exe + "item.txt");
  // The player's file wins under either name.
  home.Write(".local/share/qvformat/items.txt", "");
  EXPECT_EQ(DataFilePath(exe, "item.txt", "items.txt"), data + "items.txt");
  home.Write(".local/share/qvformat/item.txt", "");
  EXPECT_EQ(DataFilePath(exe, "item.txt", "items.txt"), data + "item.txt");
  EXPECT_EQ(DataFilePath(exe, "spell.txt", "spells.txt"), exe + "spells.txt");
  // A settings file in the data directory is not looked at.
  home.Write(".local/share/qvformat/qvformat.ini", "");
  EXPECT_EQ(SettingsPath(exe), exe + "qvformat.ini");
}

// Where a setting is missing, the message names the player's own file, and
// the file read in its place or the places looked.
TEST_F(UserFiles, MissingSiteNamesThePlayersOwnSettingsFile) {
  const std::string start =
      "nincs beallitva a jatek honlapja: ird be a domainjet Szerver kulcskent a(z) '" + config +
      "qvformat.ini' [LETOLTES] szakaszaba (a zordonvidek.example csak helykitolto)";
  EXPECT_EQ(Site(exe).notSetText,
            start + "; sem ott, sem itt nincs beallitasfajl: '" + exe + "qvformat.ini'");
  program.Write("qvformat.ini", "[LETOLTES]\r\nSzerver=zordonvidek.example\r\n");
  EXPECT_EQ(Site(exe).notSetText, start + "; ez a fajl legyen a(z) '" + exe +
                                      "qvformat.ini' masolata, mert amig hianyzik, azt olvasom");
  home.Write(".config/qvformat/qvformat.ini", "");
  EXPECT_EQ(Site(exe).notSetText, start);
  // Without a per-user folder, the executable's file.
  ScopedEnv noHome("HOME", nullptr);
  EXPECT_EQ(Site(exe).notSetText,
            "nincs beallitva a jatek honlapja: ird be a domainjet Szerver kulcskent a(z) '" + exe +
                "qvformat.ini' [LETOLTES] szakaszaba (a zordonvidek.example csak helykitolto)");
}

TEST_F(UserFiles, EachPictureOfThePlayerReplacesOnlyItself) {
  test::WriteTestPictures(program);
  home.Write(".local/share/qvformat/picture/tenger.bmp",
             test::AsString(test::MonoBmp(8, 4, [](int, int) { return true; })));
  const MapPictures pictures = LoadMapPictures(exe, FindPicture);
  EXPECT_EQ(pictures.terrain[0].width(), 8);
  EXPECT_EQ(pictures.terrain[0].height(), 4);
  EXPECT_EQ(pictures.terrain[1].width(), 200);

  // A broken picture of the player's is named by its whole path.
  home.Write(".local/share/qvformat/picture/ikonok.bmp", "");
  try {
    LoadMapPictures(exe, FindPicture);
    FAIL();
  } catch (const Error& e) {
    EXPECT_NE(e.text().find(data + "picture/ikonok.bmp"), std::string::npos) << e.text();
  }
}

}  // namespace
}  // namespace qv
