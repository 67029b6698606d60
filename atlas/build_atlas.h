// The atlas built from reports: each report read and told on the console,
// the duplicates of a character's turn passed over, the rest merged in
// reading order (turn, then character) into the world kept from earlier
// runs.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "atlas/world.h"
#include "platform/console.h"

namespace qv {

struct AtlasBuild {
  AtlasWorld world;
  int reportsRead = 0;  // reports merged
};

// Reads the reports (names in the system's own form), keeping only
// `onlyCharacter`'s when given, and merges them into `stored`. Prints a line
// per report read, the lines of what was passed over, and each conflict as
// it is found.
AtlasBuild BuildAtlas(const std::vector<std::string>& reportNames, const AtlasWorld& stored,
                      std::optional<AtlasNumber> onlyCharacter, Console& console);

// The closing lines: the conflicts again (when there are any), then the
// totals with the world's extent.
std::vector<std::string> AtlasSummaryLines(const AtlasBuild& build);

}  // namespace qv
