// The reference appendix at the end of a report: its heading, and the
// monster, item and command references it holds, each looked for from where
// the one before it stopped.
#pragma once

#include "convert/run_state.h"

namespace qv {

// Entered on the line that holds the appendix marker.
void WriteAppendix(ConverterRun& run);

enum class AppendixTable { kMonsters, kItems };

// The monster or item reference, entered on its title line: a heading and
// the entries five a row. The older layout has one entry a report line and
// ends at "</table>"; the newer one has all entries on the line after the
// title, each ending with ")".
void WriteAppendixTable(ConverterRun& run, AppendixTable table);

}  // namespace qv
