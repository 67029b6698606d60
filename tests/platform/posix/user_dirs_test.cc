#include "platform/posix/user_dirs.h"

#include <gtest/gtest.h>

#include "platform/user_dirs.h"
#include "tests/support/scoped_env.h"

namespace qv {
namespace {

using test::ScopedEnv;

TEST(UserDirs, XdgValueWinsThenHomeDefaultThenNone) {
  EXPECT_EQ(UserDir("/x/conf", "/home/anna", ".config"), "/x/conf/qvformat/");
  // Unset, empty or relative: the default under HOME.
  EXPECT_EQ(UserDir(nullptr, "/home/anna", ".config"), "/home/anna/.config/qvformat/");
  EXPECT_EQ(UserDir("", "/home/anna", ".local/share"), "/home/anna/.local/share/qvformat/");
  EXPECT_EQ(UserDir("conf", "/home/anna", ".config"), "/home/anna/.config/qvformat/");
  // No usable HOME either: no per-user directory.
  EXPECT_EQ(UserDir(nullptr, nullptr, ".config"), "");
  EXPECT_EQ(UserDir("conf", "anna", ".config"), "");
  EXPECT_EQ(UserDir("", "", ".config"), "");

  ScopedEnv home("HOME", "/home/anna");
  ScopedEnv config("XDG_CONFIG_HOME", "relative/conf");
  ScopedEnv data("XDG_DATA_HOME", "/d");
  ScopedEnv cache("XDG_CACHE_HOME", nullptr);
  EXPECT_EQ(UserConfigDir(), "/home/anna/.config/qvformat/");
  EXPECT_EQ(UserDataDir(), "/d/qvformat/");
  EXPECT_EQ(UserCacheDir(), "/home/anna/.cache/qvformat/");
}

}  // namespace
}  // namespace qv
