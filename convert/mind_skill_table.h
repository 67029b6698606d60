// The skills the character's KT has developed (older layout only): a table
// of four skills a row and, after "Tudati képességfa:", the mind-skill tree
// one line a row. Entered on the line that holds the section's title.
#pragma once

#include "convert/run_state.h"

namespace qv {

void WriteMindSkills(ConverterRun& run);

}  // namespace qv
