// The items the character carries: a table of three columns under category
// headings, each group of categories under its banner picture, followed by
// the total weight. The section is looked for from the current line on; it
// leaves the current line on the line that ended the weight table.
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
}  // namespace rtfuj

}  // namespace qv
