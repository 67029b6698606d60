// The walk over the report's sections after the order results: each section
// is looked for by reading on to a line that holds one of its stop markers,
// and converted only when its own marker was found.
#pragma once

#include "convert/run_state.h"

namespace qv {

// Walks the encyclopedia notes, the character sheet and (when the report has
// a character sheet) the sections of the character-sheet branch, in order.
void WalkSections(ConverterRun& run);

}  // namespace qv
