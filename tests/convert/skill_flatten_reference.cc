#include "tests/convert/skill_flatten_reference.h"

#include <string>
#include <string_view>
#include <utility>

#include "text/report_markers.h"
#include "text/text.h"

// Every step is an edit of the whole text, in order: each pass of ReplaceAll
// runs over the text that the pass before left.

namespace qv::test::reference {

constexpr std::string_view kCellEnd = R"(\cell )";

// Turns the table into one text of cells, each ended by "\cell ". A skill's
// name and level cells become one cell.
std::string Flatten(Layout v, CellTable table, std::string text) {
  // The table's text moves through the edits; none copies it.
  auto breakAt = [&text](std::string_view pattern) {
    text = ReplaceAll(pattern, "\r\n", std::move(text));
  };
  if (v == Layout::kOlder) {
    if (table != CellTable::kDevelopmentPoints) {
      for (std::string_view p : older::kLabelCellEnds) text = ReplaceAll(p, ":", std::move(text));
    }
    for (std::string_view p : older::kCellBreaks) breakAt(p);
  } else if (table != CellTable::kDevelopmentPoints) {
    breakAt(newer::kSpacerCell);
    breakAt(newer::kRowEndTag);
  } else {
    breakAt(newer::kNextTextCell);
    breakAt(newer::kRowEndTag);
  }
  text = ReplaceAll("\r\n", kCellEnd, NormalizeBlanks(StripTags(std::move(text))));
  if (text.starts_with(R"(\cell)")) Delete(text, 1, 6);

  // Empty report cells leave empty cells behind: the combat skills drop them
  // all, the other tables only the first.
  if (table == CellTable::kCombatSkills) {
    text = ReplaceAll(R"(\cell \cell)", R"(\cell)", std::move(text));
  } else if (const int p = Find(R"(\cell \cell )", text); p > 0) {
    Delete(text, p, 6);
  }
  return text;
}

}  // namespace qv::test::reference
