#include "platform/replacing_file.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/dir_listing.h"
#include "platform/error.h"
#include "tests/support/scratch_dir.h"

namespace qv {
namespace {

TEST(ReplacingFile, CommitReplacesTheEarlierFile) {
  test::TempDir dir;
  dir.Write("a_1.rtf", "old");
  {
    ReplacingFile file(dir.path() + "/a_1.rtf");
    file.Write("new ");
    file.Write("text");
    // Until the commit the earlier file stands, and the temporary one is
    // hidden and holds no "_", so a batch run never takes it.
    EXPECT_EQ(dir.Read("a_1.rtf"), "old");
    const std::string temp = file.tempName().substr(dir.path().size() + 1);
    EXPECT_EQ(temp.front(), '.');
    EXPECT_EQ(temp.find('_'), std::string::npos);
    file.Commit();
  }
  EXPECT_EQ(dir.Read("a_1.rtf"), "new text");
  EXPECT_EQ(ListDirectory(dir.path()), std::vector<std::string>{"a_1.rtf"});
}

TEST(ReplacingFile, AFileNeverCommittedLeavesNothing) {
  test::TempDir dir;
  dir.Write("page.htm", "earlier page");
  {
    ReplacingFile file(dir.path() + "/page.htm");
    file.Write("half a pa");
  }
  { ReplacingFile file(dir.path() + "/new.htm"); }
  EXPECT_EQ(ListDirectory(dir.path()), std::vector<std::string>{"page.htm"});
  EXPECT_EQ(dir.Read("page.htm"), "earlier page");
}

// The new bytes reach the disk before the file takes its name: a power cut
// leaves the earlier file or the whole new one, never an empty one.
TEST(ReplacingFile, CommitFlushesBeforeTheRename) {
  test::TempDir dir;
  dir.Write("1234r57.rtf", "old");
  std::vector<std::string> steps;
  ReplacingFile file(dir.path() + "/1234r57.rtf");
  file.Write("new");
  file.WatchCommit([&steps](std::string_view step) { steps.emplace_back(step); });
  file.Commit();
  ASSERT_GE(steps.size(), 2u);
  EXPECT_EQ(steps[0], "flush");
  EXPECT_EQ(steps[1], "rename");
  EXPECT_EQ(dir.Read("1234r57.rtf"), "new");
}

// Blocks handed over and bytes written in between land in the order given,
// the blocks given back reused as they come.
TEST(ReplacingFile, HandedBlocksKeepTheirOrder) {
  test::TempDir dir;
  std::string expected;
  {
    ReplacingFile file(dir.path() + "/a_1.rtf");
    std::string block;
    for (int i = 0; i < 300; ++i) {
      block.assign(static_cast<std::size_t>(i * 37 % 5000), static_cast<char>('a' + i % 26));
      expected += block;
      block = file.Hand(std::move(block));
      EXPECT_TRUE(block.empty());
      if (i % 7 == 0) {
        const std::string between = std::to_string(i) + ";";
        file.Write(between);
        expected += between;
      }
    }
    file.Commit();
  }
  EXPECT_EQ(dir.Read("a_1.rtf"), expected);
}

TEST(ReplacingFile, MissingDirectoryFailsAtOnce) {
  test::TempDir dir;
  EXPECT_THROW(ReplacingFile(dir.path() + "/nincs/x.rtf"), Error);
}

}  // namespace
}  // namespace qv
