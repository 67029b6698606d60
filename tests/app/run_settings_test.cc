// The run's settings: the settings file read once, each feature's values
// taken from it, the item-list page's from the "/ini=" file.
#include <gtest/gtest.h>

#include <string>

#include "app/run_settings.h"
#include "platform/error.h"
#include "tests/support/consoles.h"
#include "tests/support/scoped_env.h"
#include "tests/support/scratch_dir.h"

namespace qv {
namespace {

TEST(RunSettings, SettingsFileIsReadOnceAndEachFeatureGetsItsValues) {
  test::TempDir exe;
  const std::string dir = exe.path() + "/";
  const test::ScopedEnv host("QVFORMAT_HOST", nullptr);
  exe.Write("qvformat.ini",
            "[LETOLTES]\r\nSzerver=https://www.b.example/\r\n"
            "[FORMAT]\r\nFontTimes=Georgia CE\r\nKiemeles=k\r\n");
  test::RecordingConsole console;
  RunSettings settings(console, dir);
  const SiteSettings& site = settings.Site();
  EXPECT_EQ(site.domain, "b.example");
  EXPECT_EQ(site.host, "www.b.example");
  EXPECT_EQ(site.settingsFile, dir + "qvformat.ini");

  // Written again after the first read: the run keeps what it read.
  exe.Write("qvformat.ini", "[FORMAT]\r\nFontTimes=Other CE\r\nKiemeles=other\r\n");
  EXPECT_EQ(settings.Format().fonts.times, "Georgia CE");
  EXPECT_EQ(settings.Format().siteHost, "www.b.example");
  EXPECT_EQ(settings.ItemList().settings.noteClass, "k");
  EXPECT_EQ(settings.ItemList().settings.itemLink, "http://www.b.example/weblumen/targy_enc.php?");

  // "/ini=" names the page's file; the site stays that of the settings file.
  exe.Write("lap.ini", "[LETOLTES]\r\nSzerver=c.example\r\n[FORMAT]\r\nKiemeles=lap\r\n");
  RunSettings paged(console, dir, "lap.ini");
  EXPECT_NO_THROW(paged.CheckIniOption());
  EXPECT_EQ(paged.ItemList().settings.noteClass, "lap");
  EXPECT_EQ(paged.ItemList().encyclopediaHost, "www.zordonvidek.example");
  EXPECT_THROW(RunSettings(console, dir, "nincs.ini").CheckIniOption(), Error);
}

}  // namespace
}  // namespace qv
