// The tables after the character sheet: combat skills, the conditional weapon
// switch and caution lines, other skills, development points and conditional
// commands. Each writer is entered on the line that holds its marker and
// leaves currentLine on the line that ended its table.
#pragma once

#include <string_view>

#include "convert/run_state.h"

namespace qv {

namespace rtf {
void WriteCombatSkills(ConverterRun& run);
void WriteConditionalSwitches(ConverterRun& run);
void WriteOtherSkills(ConverterRun& run);
void WriteDevelopmentPoints(ConverterRun& run);
void WriteConditionalCommands(ConverterRun& run);
}  // namespace rtf

namespace rtfuj {
void WriteCombatSkills(ConverterRun& run);
void WriteConditionalSwitches(ConverterRun& run);
void WriteOtherSkills(ConverterRun& run);
void WriteDevelopmentPoints(ConverterRun& run);
void WriteConditionalCommands(ConverterRun& run);
}  // namespace rtfuj

}  // namespace qv
