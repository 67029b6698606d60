// The spell and quest sections of the character sheet: spells and psi
// abilities, the spells and psi effects on the character, the attack and
// defence spells, the captured monsters, the divine quests and (older layout
// only) the heroic deeds. Each section re-lays the report's table as an RTF
// table; it is entered on the line that holds its marker and leaves the
// current line on the line that ended its table.
#pragma once

#include "convert/run_state.h"

namespace qv {

// The report's layout (run.layout) decides how each table is read: the
// older layout has one table cell a line, the newer one a whole row.
void WriteSpells(ConverterRun& run);
void WriteCurrentEffects(ConverterRun& run);
void WriteAttackDefenceSpells(ConverterRun& run);
void WriteCapturedMonsters(ConverterRun& run);
void WriteDivineQuests(ConverterRun& run);
// The older layout only.
void WriteHeroicDeeds(ConverterRun& run);

}  // namespace qv
