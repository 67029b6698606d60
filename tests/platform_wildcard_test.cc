// Report patterns: the match under both systems' rules, and the files a
// pattern names in a real folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/wildcard.h"
#include "tests/support/scratch_dir.h"

namespace qv {
namespace {

using Strings = std::vector<std::string>;

TEST(WildcardMatch, StarTakesAnyRunAndQuestionMarkExactlyOne) {
  const NameRules exact{};
  EXPECT_TRUE(WildcardMatch("*.htm", "1234_57.htm", exact));
  EXPECT_TRUE(WildcardMatch("*.htm", ".htm", exact));     // "*" may take nothing
  EXPECT_FALSE(WildcardMatch("*.htm", "a.html", exact));  // the whole name must match
  EXPECT_FALSE(WildcardMatch("*.htm", "a.htm.bak", exact));
  // The first "_" tried by the first "*" is the wrong one.
  EXPECT_TRUE(WildcardMatch("a*_*_5?.htm", "a_b_c_57.htm", exact));
  EXPECT_FALSE(WildcardMatch("a*_*_5?.htm", "a_b_c_5.htm", exact));
  EXPECT_FALSE(WildcardMatch("?_1.htm", "_1.htm", exact));
  EXPECT_TRUE(WildcardMatch("??", "\xD5r", exact));  // a Windows-1250 letter is one byte
  EXPECT_TRUE(WildcardMatch("**a**", "bab", exact));
  EXPECT_FALSE(WildcardMatch("*a", "bab", exact));
  EXPECT_FALSE(WildcardMatch("", "a", exact));
}

TEST(WildcardMatch, CaseAndHiddenNamesFollowTheSystem) {
  const NameRules windows{true, false}, posix{false, true};
  EXPECT_TRUE(WildcardMatch("*_?.htm", "A_1.HTM", windows));
  EXPECT_FALSE(WildcardMatch("*_?.htm", "A_1.HTM", posix));
  // Windows-1250 capitals: Ő (D5), Š (8A), Ł (A3), Ż (AF); × and ÷ are no pair.
  EXPECT_TRUE(WildcardMatch("\xF5rz\xF5_*", "\xD5RZ\xD5_57.htm", windows));
  EXPECT_TRUE(WildcardMatch("\x9A\xB3\xBF", "\x8A\xA3\xAF", windows));
  EXPECT_FALSE(WildcardMatch("\xF7", "\xD7", windows));
  EXPECT_FALSE(WildcardMatch("\xF5", "\xD5", posix));
  // As a POSIX shell: a hidden name is matched only by a pattern that starts with ".".
  EXPECT_FALSE(WildcardMatch("*_1.htm", ".a_1.htm", posix));
  EXPECT_FALSE(WildcardMatch("?a_1.htm", ".a_1.htm", posix));
  EXPECT_TRUE(WildcardMatch(".*_1.htm", ".a_1.htm", posix));
  EXPECT_TRUE(WildcardMatch("*_1.htm", ".a_1.htm", windows));
}

TEST(MatchingFiles, FilesInNameOrderWithTheirFolderInFront) {
  test::TempDir temp;
  const std::string dir = temp.path();
  for (const char* name : {"b_2.htm", "a_10.htm", "a_1.htm", "c_3.txt", "sub/e_5.htm"})
    temp.Write(name, "x");
  std::filesystem::create_directory(dir + "/d_4.htm");  // a folder is no file
  EXPECT_EQ(MatchingFiles(dir + "/*_*.htm"),
            (Strings{dir + "/a_1.htm", dir + "/a_10.htm", dir + "/b_2.htm"}));
  EXPECT_EQ(MatchingFiles(dir + "/sub/?_5.*"), Strings{dir + "/sub/e_5.htm"});
  EXPECT_TRUE(MatchingFiles(dir + "/*.rtf").empty());
  EXPECT_THROW(MatchingFiles(dir + "/nincs/*.htm"), Error);
  EXPECT_TRUE(HoldsWildcard("a?.htm"));
  EXPECT_FALSE(HoldsWildcard("a_1.htm"));
}

}  // namespace
}  // namespace qv
