// The items the character carries: a table of three columns under category
// headings, each group of categories under its banner picture, followed by
// the total weight. The section and its weight line are looked for from the
// current line on, up to the sections that follow the items; it leaves the
// current line on the line that ended the weight table.
#pragma once

#include <string_view>

#include "convert/run_state.h"

namespace qv {

// The older layout has three report lines an item and ends its tables at
// "</table>"; the newer one a table row a line, ending at
// "</TABLE></TD></TR></TABLE>".
void ConvertItems(ConverterRun& run);

namespace newer {
// How an item row is cut: the carried items normalise the blanks after each
// count cell's opening and fill a short row with "{\f11\fs17 }\cell"; the
// bank and change lists do neither and fill with two blanks.
struct ItemRowStyle {
  bool normalizeAfterCut;
  std::string_view filler;
};
// One report line of items as a table row of up to three cells: each item's
// count right-aligned, tags gone, the " * ", " + ", " > " marks closed up.
void WriteItemRow(RtfWriter& out, std::string line, const ItemRowStyle& style);
}  // namespace newer

}  // namespace qv
