// The tables after the character sheet: combat skills, the conditional weapon
// switch and caution lines, other skills, development points and conditional
// commands. Each writer is entered on the line that holds its marker and
// leaves currentLine on the line that ended its table; the report's layout
// (run.layout) decides how the table is read.
#pragma once

#include "convert/run_state.h"

namespace qv {

void WriteCombatSkills(ConverterRun& run);
void WriteConditionalSwitches(ConverterRun& run);
void WriteOtherSkills(ConverterRun& run);
void WriteDevelopmentPoints(ConverterRun& run);
void WriteConditionalCommands(ConverterRun& run);

}  // namespace qv
