// The lists after the carried items: the items kept in the bank safe, those
// the character still had at the start of the turn and in the previous turn,
// and those it received in this turn. Each list the report holds becomes a
// three-column table under its own heading; a missing list writes nothing.
// The lists are looked for in that order from the current line on, each
// search stopping at the marker of anything that follows the list.
#pragma once

#include <string_view>
#include <vector>

#include "convert/run_state.h"
#include "text/turn_report.h"

namespace qv {

// The markers of what follows the carried items, in report order: the four
// lists, then the closing sections and the copyright line of the layout.
// Every section search before them stops at these too, so that a report
// without carried items (or without a weight line) keeps what follows.
std::vector<std::string_view> MarkersAfterItems(Layout layout);

// The older layout has one table cell a line and ends its tables at
// "</table>"; the newer one a whole table row a line, ending at
// "</TABLE></TD></TR></TABLE>".
void ConvertItemChanges(ConverterRun& run);

}  // namespace qv
