// The explored world as the atlas keeps it: every cell seen on a player's
// maps, the steps each character took and the places of the maps' legends,
// keyed by world coordinates, with the turns they were seen in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

// A character's or a turn's number as the reports give it.
using AtlasNumber = std::int64_t;

// One explored cell: what the newest observation of it showed, and the
// first and last turn it was seen in.
struct AtlasCell {
  int x = 0;
  int y = 0;
  int terrain = 0;  // 1 to 14
  int icons = 0;    // the icon mask; 0 for none
  AtlasNumber firstTurn = 0;
  AtlasNumber lastTurn = 0;
  AtlasNumber character = 0;  // whose report showed the newest observation
};

// A cell of a step map that holds an arrow (1 to 9).
struct AtlasStep {
  AtlasNumber character = 0;
  AtlasNumber turn = 0;
  int x = 0;
  int y = 0;
  int arrow = 0;
};

// A legend entry of a map: the place at (x, y) and its text.
struct AtlasPlace {
  int x = 0;
  int y = 0;
  AtlasNumber turn = 0;
  AtlasNumber character = 0;
  std::string text;  // Windows-1250
};

// Two observations of one cell in one turn that differ in terrain or icons.
struct AtlasConflict {
  int x = 0;
  int y = 0;
  AtlasNumber turn = 0;
  std::string line;  // the console line that reported it
};

struct AtlasWorld {
  std::vector<AtlasCell> cells;    // sorted by y, then x
  std::vector<AtlasStep> steps;    // by character, turn, then the step's place in its report
  std::vector<AtlasPlace> places;  // sorted by y, then x
  std::vector<AtlasConflict> conflicts;  // found by the last run, in the order found
};

}  // namespace qv
