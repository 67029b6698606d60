#pragma once

#include <string>

#include "convert/run_state.h"

namespace qv {

// The encyclopedia notes of a turn ("ENCYCLOPEDIA FANTASIA"): a heading, and
// each note as a paragraph between thin rules. Entered on the marker line.
void WriteEncyclopediaNotes(ConverterRun& run);

// True when the line holds an image tag whose source is on the game's web
// site (host as configured), such as <IMG SRC="https://www.host/...">.
bool IsSiteImageLine(const std::string& line, const std::string& siteHost);

}  // namespace qv
