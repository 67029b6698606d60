#include "text/search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/lines.h"

namespace qv {
namespace {

using test::Repeated;

// The searches (and a needle's yes or no) give std::string's answers, on
// short texts and on texts long enough for the search by the rarest
// character: first and last characters that repeat, a pattern at either end,
// overlapping occurrences, a pattern longer than the rest of the text,
// starts past the end.
TEST(TextSearch, FindsWhatStdStringFinds) {
  const std::string texts[] = {"",
                               "a",
                               "aaaa",
                               "abab abab",
                               " \\{ \\} {",
                               "<b>x</b> ",
                               "xx<b><b>yy</b>",
                               "( a ( ( b )",
                               Repeated("<b>x</b> ", 40) + "( a ( ( b ) \\{",
                               "abab abab!" + Repeated("a", 300) + "ab",
                               Repeated("( ", 200) + "yy</b> )",
                               "  * * x *  W=3> ab\xE1 ab\xE1"};
  const std::string patterns[] = {"a",          "aa",   "ab",   "aba",   "b a",    " \\{",
                                  "<b>",        "</b>", "( ",   " )",    "yy</b>", "x",
                                  "abab abab!", " * ",  "W=3>", "ab\xE1"};
  for (const std::string& text : texts)
    for (const std::string& pattern : patterns) {
      for (std::size_t from = 0; from <= text.size() + 1; ++from)
        ASSERT_EQ(FindFrom(text, pattern, from), text.find(pattern, from))
            << "'" << pattern << "' in '" << text << "' from " << from;
      ASSERT_EQ(FindLast(text, pattern), text.rfind(pattern))
          << "'" << pattern << "' in '" << text << "'";
      ASSERT_EQ(Needle(pattern).In(text), text.find(pattern) != std::string::npos)
          << "'" << pattern << "' in '" << text << "'";
    }
  EXPECT_FALSE(Needle("").In("abc"));
  EXPECT_EQ(FindFrom("abc", "", 2), 2u);
  EXPECT_EQ(FindFrom("abc", "", 4), std::string::npos);
  EXPECT_EQ(FindLast("abc", ""), std::string::npos);
}

// A finder over a long text jumps by the pattern's character rarest in the
// text, here one the usual counts call common (the "." of " sebezt.",
// "</b>"'s letters in a text of tags), and still finds every occurrence,
// at the text's ends and in the middle of its counted stretches too.
TEST(TextSearch, FinderOverALongTextFindsWhatStdStringFinds) {
  std::string text;
  for (int i = 0; text.size() < 200 * 1024; ++i)
    text += i % 97 == 0 ? " sebezt. <b>x</b>" : i % 5 == 0 ? "<td><tr>" : "zz. ";
  text = "</b>" + text + " sebezt.";
  for (const std::string pattern : {" sebezt.", "</b>", "zz. <", "x", "q"}) {
    const PatternFinder find(text, pattern);
    std::size_t found = 0;
    for (std::size_t from = 0;; from = found + 1) {
      found = find(from);
      ASSERT_EQ(found, text.find(pattern, from)) << "'" << pattern << "' from " << from;
      if (found == std::string::npos) break;
    }
    EXPECT_EQ(find(text.size() + 1), std::string::npos);
  }
}

// One to four bytes looked for (high bytes too) in texts of every length up
// to a few words, standing at every place, searched from every start.
TEST(TextSearch, FindAnyByteFindsWhatFindFirstOfFinds) {
  const std::string sets[] = {"<", "<>", "\\{}", "\xE1", "\xFF\x01", "abcd"};
  for (const std::string& set : sets)
    for (std::size_t length = 0; length <= 40; ++length)
      for (std::size_t place = 0; place <= length; ++place) {
        std::string text(length, 'x');
        if (place < length) text[place] = set.back();
        if (length > 5) text[length - 2] = set.front();
        for (std::size_t from = 0; from <= length + 1; ++from)
          ASSERT_EQ(FindAnyByte(text, set, from), text.find_first_of(set, from))
              << "set of " << set.size() << ", length " << length << ", place " << place;
      }
}

TEST(TextSearch, ForEachByteVisitsEveryOneInOrder) {
  for (std::size_t length = 0; length <= 40; ++length)
    for (std::size_t step = 1; step <= 5; ++step) {
      std::string text(length, 'x');
      std::vector<std::size_t> expected;
      for (std::size_t i = step / 2; i < length; i += step) {
        text[i] = ' ';
        expected.push_back(i);
      }
      std::vector<std::size_t> visited;
      ForEachByte(text, ' ', [&](std::size_t at) { visited.push_back(at); });
      ASSERT_EQ(visited, expected) << "length " << length << ", step " << step;
    }
}

}  // namespace
}  // namespace qv
