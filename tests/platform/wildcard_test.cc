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
  // "?" is one character: "Őr" in UTF-8 (C5 90 72), or bytes that are no
  // UTF-8 one by one.
  EXPECT_TRUE(WildcardMatch("??", "\xC5\x90r", exact));
  EXPECT_FALSE(WildcardMatch("???", "\xC5\x90r", exact));
  EXPECT_TRUE(WildcardMatch("??", "\xD5r", exact));
  EXPECT_TRUE(WildcardMatch("**a**", "bab", exact));
  EXPECT_FALSE(WildcardMatch("*a", "bab", exact));
  EXPECT_FALSE(WildcardMatch("", "a", exact));
}

TEST(WildcardMatch, CaseAndHiddenNamesFollowTheSystem) {
  const NameRules windows{true, false}, posix{false, true};
  EXPECT_TRUE(WildcardMatch("*_?.htm", "A_1.HTM", windows));
  EXPECT_FALSE(WildcardMatch("*_?.htm", "A_1.HTM", posix));
  // Names as the system gives them (UTF-8): Ő/ő (U+0150/0151), Š/š, Ł/ł,
  // Ż/ż, Á/á, Ж/ж; × and ÷ are no pair.
  EXPECT_TRUE(WildcardMatch("\xC5\x91rz\xC5\x91_*", "\xC5\x90RZ\xC5\x90_57.htm", windows));
  EXPECT_TRUE(WildcardMatch("\xC5\xA1\xC5\x82\xC5\xBC\xC3\xA1\xD0\xB6",
                            "\xC5\xA0\xC5\x81\xC5\xBB\xC3\x81\xD0\x96", windows));
  EXPECT_FALSE(WildcardMatch("\xC3\xB7", "\xC3\x97", windows));
  EXPECT_FALSE(WildcardMatch("\xC5\x91", "\xC5\x90", posix));
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
