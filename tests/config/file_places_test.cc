// Where the data files are looked for, and what a file found nowhere is told.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "config/file_places.h"
#include "maps/picture_set.h"
#include "platform/error.h"
#include "platform/path_names.h"
#include "platform/user_dirs.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_pictures.h"

namespace qv {
namespace {

TEST(FilePlaces, MissingPictureIsFatalAndNamedWithEveryPlaceLooked) {
  test::TempDir dir;
  test::WriteTestPictures(dir);
  std::remove((dir.path() + "/picture/mocsar.bmp").c_str());
  try {
    LoadMapPictures(dir.path() + "/", FindPicture);
    FAIL();
  } catch (const Error& e) {
    // Every place looked, the player's own folder first.
    const std::string relative = SystemSeparators("picture/mocsar.bmp");
    EXPECT_EQ(e.kind(), "Kephiba");
    EXPECT_EQ(e.text(), "mocsar.bmp nem talalhato; kerestem itt: '" + UserDataDir() + relative +
                            "', '" + dir.path() + "/" + relative + "'");
  }
  EXPECT_FALSE(FirstExisting({dir.path() + "/picture/mocsar.bmp"}).has_value());
}

}  // namespace
}  // namespace qv
