// The items the character carries: a table of three columns under category
// headings, each group of categories under its banner picture, followed by
// the total weight. The section and its weight line are looked for from the
// current line on, up to the sections that follow the items; it leaves the
// current line on the line that ended the weight table.
#pragma once

#include <string_view>

#include "convert/run_state.h"

namespace qv {

// The older layout: three report lines an item, tables end at "</table>".
namespace rtf {
void ConvertItems(ConverterRun& run);
// The category heading on the current line: the banner of its group (unless
// that group's banner was the last one written) and `label` underlined. A
// heading of no group writes nothing.
void WriteItemCategory(ConverterRun& run, std::string_view label);
}  // namespace rtf

// The newer layout: a table row a line, tables end at
// "</TABLE></TD></TR></TABLE>".
namespace rtfuj {
void ConvertItems(ConverterRun& run);
// The category heading on the current line: its group's banner and heading,
// every time. A heading of no group writes nothing.
void WriteItemCategory(ConverterRun& run);

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
}  // namespace rtfuj

}  // namespace qv
