// What one turn report shows of the world: its character's and turn's
// numbers, the cells, steps and places of its maps in report order, and
// what was passed over as unreadable.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "atlas/world.h"
#include "text/report_reader.h"

namespace qv {

// A cell as one map showed it, at world coordinates.
struct ObservedCell {
  int x = 0;
  int y = 0;
  int terrain = 0;  // 1 to 14
  int icons = 0;    // 0 for none (a mask below 1)
};

struct ReportObservations {
  AtlasNumber character = 0;
  AtlasNumber turn = 0;
  int maps = 0;                     // maps read
  std::vector<ObservedCell> cells;  // in report order
  std::vector<AtlasStep> steps;     // cells of the step map with an arrow 1 to 9
  std::vector<AtlasPlace> places;   // legend entries with their coordinates
  int skippedMaps = 0;              // bad frames
  int skippedCells = 0;             // outside the frame, bad terrain or field
  int skippedPlaces = 0;            // legend entries without two whole numbers
};

// Why a report gives nothing to the atlas (empty: it is read).
struct ReportReading {
  std::optional<ReportObservations> observations;
  std::string skipReason;  // unaccented Hungarian, when observations is empty
};

// The number between the last "(" of the adventurer line (the header's line
// holding "KALANDOZÓ:") and the ")" after it; nullopt unless it is digits
// only.
std::optional<AtlasNumber> CharacterNumber(const std::string& adventurerLine);

// The digits of the header's turn number (TurnNumber); nullopt unless it is
// digits only.
std::optional<AtlasNumber> TurnNumberOf(const std::string& headerBlock);

// The whole numbers "(x,y)" of a legend entry's coordinates: between "(" and
// the first "," and between it and the first ")", blanks around them
// allowed.
std::optional<std::pair<int, int>> PlaceCoordinates(const std::string& coordinates);

// Reads the report: refuses a file that is no turn report, a cut report, and
// one without a character or turn number; reads the header, then the map
// before a teleport or journey (in the part before the character sheet) and
// the step map (the first closing section), each with its legend.
ReportReading ReadReportObservations(ReportReader& report);

}  // namespace qv
