// The skill tables' flattening in a few scans against the edit-by-edit
// flattening it replaced (skill_flatten_reference.cc), on random texts made
// of the tags, blanks and marks it reacts to; each scan against the
// ReplaceAll passes it stands for.
#include "convert/table_cells.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/convert/skill_flatten_reference.h"
#include "tests/support/lines.h"
#include "tests/support/token_soup.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

using test::Repeated;
using test::TokenSoup;

constexpr int kRounds = 4000;

std::string Passes(std::string text, std::span<const std::string_view> patterns,
                   std::string_view replacement) {
  for (const std::string_view p : patterns) text = ReplaceAll(p, replacement, std::move(text));
  return text;
}

TEST(TableCells, FlattenedAsEditedOneByOne) {
  TokenSoup soup({"<TD>",
                  "</TD>",
                  "<td>",
                  "</td>",
                  "<TR>",
                  "</TR>",
                  "</tr>",
                  " ",
                  "  ",
                  ":",
                  ":</TD> <TD>",
                  ":</td> <td>",
                  "</TD> <TD>",
                  "</td> <td>",
                  "<TD></TD>",
                  "<td></td>",
                  "<BR>",
                  "<",
                  ">",
                  "&nbsp;",
                  "&gt",
                  "&lt;",
                  "\r",
                  "\n",
                  "\r\n",
                  "\\cell",
                  "\\cell ",
                  "\\",
                  "1.",
                  "a",
                  "kard",
                  newer::kSpacerCell,
                  newer::kNextTextCell,
                  newer::kTextCell,
                  newer::kRowEnd},
                 7);
  for (int i = 0; i < 6 * kRounds; ++i) {
    const std::string text = soup.Next(i % 4 == 0 ? 120 : 30);
    for (const Layout layout : {Layout::kOlder, Layout::kNewer})
      for (const CellTable table :
           {CellTable::kCombatSkills, CellTable::kOtherSkills, CellTable::kDevelopmentPoints})
        ASSERT_EQ(FlattenCells(layout, table, text), test::reference::Flatten(layout, table, text))
            << static_cast<int>(layout) << static_cast<int>(table) << " " << text;
  }
}

TEST(TableCells, LabelJoinsAsEditedOneByOne) {
  TokenSoup soup({":", "</TD> <TD>", "</td> <td>", "</TD>", " <TD>", "x", " "}, 8);
  for (int i = 0; i < kRounds; ++i) {
    const std::string text = soup.Next();
    std::string joined = text;
    JoinLabelCells(joined, older::kLabelCellEnds);
    ASSERT_EQ(joined, Passes(text, older::kLabelCellEnds, ":")) << text;
  }
}

TEST(TableCells, BreaksThatOverlapAsEditedOneByOne) {
  // Breaks that overlap themselves and one another, taken in every order.
  std::vector<std::string_view> breaks = {"aaaa", "abab", "baba", "abba", "bbab", "aabb"};
  TokenSoup soup({"a", "b", "b", "a", "c", "\r", "\n"}, 9);
  for (int i = 0; i < kRounds; ++i) {
    const std::string text = soup.Next(60);
    std::rotate(breaks.begin(), breaks.begin() + 1 + i % 3, breaks.end());
    if (i % 7 == 0) std::swap(breaks[0], breaks[i % 6]);
    std::string broken = text;
    BreakCells(broken, breaks);
    ASSERT_EQ(broken, Passes(text, breaks, "\r\n")) << text;
  }
}

TEST(TableCells, CellEndsAndEmptyCellsAsEditedOneByOne) {
  TokenSoup soup({"\r", "\n", "\r\n", "\\cell", " ", "\\cell ", "\\", "x"}, 10);
  for (int i = 0; i < kRounds; ++i) {
    const std::string text = soup.Next();
    std::string ended = text;
    EndCells(ended);
    ASSERT_EQ(ended, ReplaceAll("\r\n", R"(\cell )", text)) << text;
    std::string dropped = text;
    DropEmptyCells(dropped);
    ASSERT_EQ(dropped, ReplaceAll(R"(\cell \cell)", R"(\cell)", text)) << text;
  }
}

// Long chains of overlapping breaks and of empty cells stay linear and give
// what the edits give.
TEST(TableCells, ChainsOfMegabytes) {
  const std::string texts[] = {Repeated("</TD> <TD>", 100000) + "</TD>",
                               Repeated("<TD></TD> ", 100000),
                               Repeated(":</TD> <TD>", 50000) + Repeated("</TD> <TD>", 50000),
                               Repeated("\r\n", 200000) + "x"};
  for (const std::string& text : texts) {
    for (const Layout layout : {Layout::kOlder, Layout::kNewer})
      EXPECT_EQ(FlattenCells(layout, CellTable::kCombatSkills, text),
                test::reference::Flatten(layout, CellTable::kCombatSkills, text));
  }
}

}  // namespace
}  // namespace qv
