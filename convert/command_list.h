// The command reference of the appendix: a preformatted list, each line
// tidied up and collected in the run's command list, then laid out in two
// columns of the fixed-pitch font.
#pragma once

#include "convert/run_state.h"

namespace qv {

// Entered on the line that holds the commands' title.
void WriteCommandList(ConverterRun& run);

}  // namespace qv
