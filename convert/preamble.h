#pragma once

#include "convert/run_state.h"

namespace qv {

// The order results between the opening story and the encyclopedia notes or
// character sheet: one two-column table per order, the narrative between
// them, and the list of characters the player may write to. Returns at the
// line that holds "ENCYCLOPEDIA FANTASIA" or "KARAKTERLAP", or at the end.
void ConvertPreamble(ConverterRun& run);

}  // namespace qv
