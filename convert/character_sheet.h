// The character sheet ("KARAKTERLAP"): a paragraph that names and describes
// the character, a framed table of four attribute columns in the fixed-pitch
// font, and the paragraph after the table. Entered on the marker line; sets
// characterName for the closing sections.
#pragma once

#include "convert/run_state.h"

namespace qv {

// The older layout's table has one cell a line, a label line and a value
// line per attribute; a sixth row follows only when the report has one. The
// newer layout's has each table row on one line; its bottom row has four
// named cells.
void WriteCharacterSheet(ConverterRun& run);

}  // namespace qv
