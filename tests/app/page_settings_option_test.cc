// The item-list page's settings file as the /ini= option of the command line
// names it.
#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"
#include "config/settings_file.h"
#include "platform/error.h"
#include "platform/user_dirs.h"
#include "tests/support/scratch_dir.h"

namespace qv {
namespace {

using test::TempDir;

// The current folder and the per-user folder come before the executable's
// (tests/cmd/itemlist_ini_option*.t); here the executable's and the errors.
TEST(ItemListSettings, SettingsFileFromIniOption) {
  TempDir exe;
  const std::string d = exe.path() + "/";
  EXPECT_EQ(PageSettingsPath(CommandLine({"/t", "x_1.htm"}).OptionValue("/ini="), d),
            d + "qvformat.ini");
  exe.Write("sajat.ini", "");
  EXPECT_EQ(
      PageSettingsPath(CommandLine({"/t", "/INI=sajat.ini", "x_1.htm"}).OptionValue("/ini="), d),
      d + "sajat.ini");
  // An absolute name is taken as it is, and only there.
  EXPECT_EQ(PageSettingsPath(d + "sajat.ini", "/exe/"), d + "sajat.ini");
  auto failure = [&d](const std::string& option) {
    try {
      PageSettingsPath(option, d);
    } catch (const Error& e) {
      return e.kind() + ": " + e.text();
    }
    return std::string("no error");
  };
  EXPECT_EQ(failure("nincs.ini"),
            "Beallitasi hiba: a /ini= beallitasfajlja ('nincs.ini') nem talalhato; kerestem az "
            "aktualis mappaban, majd itt: '" +
                UserConfigDir() + "nincs.ini', '" + d + "nincs.ini'");
  EXPECT_EQ(failure(d + "nincs.ini"),
            "Beallitasi hiba: a /ini= beallitasfajlja ('" + d + "nincs.ini') nem letezik");
  EXPECT_EQ(failure("C:\\qv\\nincs.ini"),
            "Beallitasi hiba: a /ini= beallitasfajlja ('C:\\qv\\nincs.ini') nem letezik");
}

}  // namespace
}  // namespace qv
