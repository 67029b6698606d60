#pragma once

#include "convert/run_state.h"

namespace qv {

// The sections after the character-sheet branch, in report order: the map
// of this turn's steps, the game master's message and the changes in the
// game world (older layout only) and the reference appendix. Each is looked
// for from where the one before stopped; a search stops at its own marker
// or that of any later section. Then the closing "}" finishes the document,
// also when sections were missing.
void ConvertClosingSections(ConverterRun& run);

}  // namespace qv
