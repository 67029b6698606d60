#pragma once

#include "convert/run_state.h"

namespace qv {

// The sections after the character-sheet branch and the document end:
// writes the closing "}" and finishes the output.
void ConvertClosingSections(ConverterRun& run);

}  // namespace qv
