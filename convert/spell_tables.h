// The spell and quest sections of the character sheet: spells and psi
// abilities, the spells and psi effects on the character, the attack and
// defence spells, the captured monsters, the divine quests and (older layout
// only) the heroic deeds. Each section re-lays the report's table as an RTF
// table; it is entered on the line that holds its marker and leaves the
// current line on the line that ended its table.
#pragma once

#include "convert/run_state.h"

namespace qv {

// The older layout: one table cell a line, tables end at "</table>".
namespace rtf {
void WriteSpells(ConverterRun& run);
void WriteCurrentEffects(ConverterRun& run);
void WriteAttackDefenceSpells(ConverterRun& run);
void WriteCapturedMonsters(ConverterRun& run);
void WriteDivineQuests(ConverterRun& run);
void WriteHeroicDeeds(ConverterRun& run);
}  // namespace rtf

// The newer layout: a whole table row a line, tables end at
// "</TABLE></TD></TR></TABLE>".
namespace rtfuj {
void WriteSpells(ConverterRun& run);
void WriteCurrentEffects(ConverterRun& run);
void WriteAttackDefenceSpells(ConverterRun& run);
void WriteCapturedMonsters(ConverterRun& run);
void WriteDivineQuests(ConverterRun& run);
}  // namespace rtfuj

}  // namespace qv
