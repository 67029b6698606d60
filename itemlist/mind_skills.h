// The character's KT skills: read from the report's own skill table and
// written back as a compact list of the ordinary skills (numbers up to 500)
// and, when the report has a mind-skill tree, the fixed tree of the 61 mind
// skills 501 to 561, each cell linked to the encyclopedia and coloured by
// the character's progress.
#pragma once

#include <string>
#include <vector>

#include "itemlist/page_run.h"

namespace qv {

// Called right after the skill title line was read: reads the lines up to
// and including the first one that holds "</table>" into run.skills, and
// sets run.treeFound and run.remainingTu on the way. Prints "Hibás forduló!"
// when the title line holds "(" and ")".
void ReadSkillList(PageRun& run);

// Reads one skill line (tags already in place) into an entry.
MindSkill ParseSkillLine(std::string line);

// The list table, then the tree when run.treeFound.
void WriteMindSkillTables(PageRun& run);

// The coloured status of skill `number` under the tree cell.
std::string SkillStatusCell(const std::vector<MindSkill>& skills, int number);

}  // namespace qv
