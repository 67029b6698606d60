#include "text/search.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/lines.h"

namespace qv {
namespace {

using test::Repeated;

// The searches give std::string's answers, on short texts and on texts long
// enough for the search by the rarest character: first and last characters
// that repeat, a pattern at either end, overlapping occurrences, a pattern
// longer than the rest of the text, starts past the end.
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
  const std::string patterns[] = {"a", "aa", "ab", "aba", "b a", " \\{", "<b>",
                                  "</b>", "( ", " )", "yy</b>", "x", "abab abab!",
                                  " * ", "W=3>", "ab\xE1"};
  for (const std::string& text : texts)
    for (const std::string& pattern : patterns) {
      for (std::size_t from = 0; from <= text.size() + 1; ++from)
        ASSERT_EQ(FindFrom(text, pattern, from), text.find(pattern, from))
            << "'" << pattern << "' in '" << text << "' from " << from;
      ASSERT_EQ(FindLast(text, pattern), text.rfind(pattern))
          << "'" << pattern << "' in '" << text << "'";
    }
  EXPECT_EQ(FindFrom("abc", "", 2), 2u);
  EXPECT_EQ(FindFrom("abc", "", 4), std::string::npos);
  EXPECT_EQ(FindLast("abc", ""), std::string::npos);
}

}  // namespace
}  // namespace qv
