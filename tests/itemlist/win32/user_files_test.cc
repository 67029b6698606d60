// The player's folders on Windows: settings in %APPDATA%\qvformat, lists and
// pictures in %LOCALAPPDATA%\qvformat, each winning over the executable's.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "config/file_places.h"
#include "config/settings_file.h"
#include "config/site.h"
#include "itemlist/data_files.h"
#include "platform/user_dirs.h"
#include "tests/support/scoped_env.h"
#include "tests/support/scratch_dir.h"

namespace qv {
namespace {

using test::ScopedEnv;

// The site as the settings file found for exe names it.
SiteSettings Site(const std::string& exe) {
  return ReadSiteSettings(IniFile(SettingsPath(exe)), exe);
}

TEST(WindowsUserDirs, AppDataForSettingsLocalAppDataForData) {
  test::TempDir program, roaming, local;
  const std::string exe = program.path() + "\\";
  ScopedEnv appData("APPDATA", roaming.path().c_str());
  ScopedEnv localAppData("LOCALAPPDATA", local.path().c_str());
  EXPECT_EQ(UserConfigDir(), roaming.path() + "\\qvformat\\");
  EXPECT_EQ(UserDataDir(), local.path() + "\\qvformat\\");

  program.Write("qvformat.ini", "[LETOLTES]\r\nSzerver=program.example\r\n");
  program.Write("item.txt", "");
  EXPECT_EQ(Site(exe).domain, "program.example");
  EXPECT_EQ(DataFilePath(exe, "item.txt", "items.txt"), exe + "item.txt");
  roaming.Write("qvformat/qvformat.ini", "[LETOLTES]\r\nSzerver=anna.example\r\n");
  local.Write("qvformat/items.txt", "");
  EXPECT_EQ(Site(exe).domain, "anna.example");
  EXPECT_EQ(DataFilePath(exe, "item.txt", "items.txt"), UserDataDir() + "items.txt");
  // The lists are not looked for among the settings, nor the settings among the lists.
  roaming.Write("qvformat/item.txt", "");
  EXPECT_EQ(DataFilePath(exe, "item.txt", "items.txt"), UserDataDir() + "items.txt");

  // Messages name the player's file and every place looked with "\\".
  EXPECT_EQ(Site(exe).notSetText,
            "nincs beallitva a jatek honlapja: ird be a domainjet Szerver kulcskent a(z) '" +
                roaming.path() +
                "\\qvformat\\qvformat.ini' [LETOLTES] szakaszaba (a zordonvidek.example csak "
                "helykitolto)");
  EXPECT_EQ(FilePlaces(UserDataDir(), exe, {"picture/tenger.bmp"}),
            (std::vector<std::string>{local.path() + "\\qvformat\\picture\\tenger.bmp",
                                      exe + "picture\\tenger.bmp"}));

  // Unset, relative or a share: none, none, that share.
  {
    ScopedEnv unset("APPDATA", nullptr);
    EXPECT_EQ(UserConfigDir(), "");
    EXPECT_EQ(Site(exe).domain, "program.example");
  }
  ScopedEnv relative("APPDATA", "Roaming");
  EXPECT_EQ(UserConfigDir(), "");
  ScopedEnv share("LOCALAPPDATA", "\\\\server\\anna");
  EXPECT_EQ(UserDataDir(), "\\\\server\\anna\\qvformat\\");
}

// A user name in any script: the player's folder (here "Женя") is read,
// its name reaching the tool whole.
TEST(WindowsUserDirs, FolderOfAnyUserName) {
  test::TempDir program, profile;
  const std::string exe = program.path() + "\\";
  program.Write("qvformat.ini", "[LETOLTES]\r\nSzerver=program.example\r\n");
  const std::wstring roaming =
      std::wstring(profile.path().begin(), profile.path().end()) + L"\\\u0416\u0435\u043D\u044F";
  ASSERT_TRUE(CreateDirectoryW(roaming.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW((roaming + L"\\qvformat").c_str(), nullptr));
  const HANDLE ini = CreateFileW((roaming + L"\\qvformat\\qvformat.ini").c_str(), GENERIC_WRITE, 0,
                                 nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(ini, INVALID_HANDLE_VALUE);
  const std::string settings = "[LETOLTES]\r\nSzerver=zsenya.example\r\n";
  DWORD written = 0;
  WriteFile(ini, settings.data(), static_cast<DWORD>(settings.size()), &written, nullptr);
  CloseHandle(ini);

  const test::ScopedEnv appData("APPDATA", win32::NameOf(roaming).c_str());
  EXPECT_EQ(UserConfigDir(), profile.path() + "\\\xD0\x96\xD0\xB5\xD0\xBD\xD1\x8F\\qvformat\\");
  EXPECT_EQ(Site(exe).domain, "zsenya.example");
}

}  // namespace
}  // namespace qv
