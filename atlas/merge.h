// The merge of observations into one world: per cell and per place the
// newest observation wins (the highest turn; at the same turn the one taken
// later), each cell keeps the first and last turn it was seen in, and two
// reports of one turn that show a cell differently are a conflict.
#pragma once

#include <cstdint>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

#include "atlas/report_observations.h"
#include "atlas/world.h"

namespace qv {

class AtlasMerger {
 public:
  // The world kept from earlier runs, taken before any report: each cell an
  // observation seen first at its firstTurn and last at its lastTurn.
  void AddStored(const AtlasWorld& stored);
  // One report's observations; reports are added in reading order (turn,
  // then character, ascending). Its steps replace the stored steps of its
  // character and turn. Returns the conflicts it brought.
  std::vector<AtlasConflict> AddReport(const ReportObservations& seen);
  // The merged world: cells and places sorted by y, then x; steps by
  // character, turn, then their place in their report; the conflicts found.
  AtlasWorld Result() const;

 private:
  struct CellState {
    AtlasCell cell;
    bool fromReport = false;  // the winning observation is a report's
  };
  static std::uint64_t Key(int x, int y);

  std::unordered_map<std::uint64_t, CellState> cells_;
  std::unordered_map<std::uint64_t, AtlasPlace> places_;
  std::vector<AtlasStep> storedSteps_;
  std::vector<AtlasStep> reportSteps_;
  std::set<std::pair<AtlasNumber, AtlasNumber>> reportTurns_;  // (character, turn) read
  std::vector<AtlasConflict> conflicts_;
};

}  // namespace qv
