#include "atlas/merge.h"

#include <algorithm>
#include <string>

namespace qv {
namespace {

std::string CellText(AtlasNumber character, int terrain, int icons) {
  return std::to_string(character) + ". karakter: terep " + std::to_string(terrain) + ", ikonok " +
         std::to_string(icons);
}

template <typename T>
bool ByYThenX(const T& a, const T& b) {
  return a.y != b.y ? a.y < b.y : a.x < b.x;
}

}  // namespace

std::uint64_t AtlasMerger::Key(int x, int y) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(y)) << 32) |
         static_cast<std::uint32_t>(x);
}

void AtlasMerger::AddStored(const AtlasWorld& stored) {
  for (const AtlasCell& cell : stored.cells) cells_[Key(cell.x, cell.y)] = {cell, false};
  for (const AtlasPlace& place : stored.places) places_[Key(place.x, place.y)] = place;
  storedSteps_.insert(storedSteps_.end(), stored.steps.begin(), stored.steps.end());
}

std::vector<AtlasConflict> AtlasMerger::AddReport(const ReportObservations& seen) {
  std::vector<AtlasConflict> found;
  for (const ObservedCell& o : seen.cells) {
    const auto [at, fresh] = cells_.try_emplace(Key(o.x, o.y));
    CellState& state = at->second;
    AtlasCell& cell = state.cell;
    if (fresh) {
      cell = {o.x, o.y, o.terrain, o.icons, seen.turn, seen.turn, seen.character};
      state.fromReport = true;
      continue;
    }
    if (state.fromReport && cell.lastTurn == seen.turn &&
        (cell.terrain != o.terrain || cell.icons != o.icons)) {
      const std::string line = "Ellentmondas: (" + std::to_string(o.x) + "," + std::to_string(o.y) +
                               ") " + std::to_string(seen.turn) +
                               ". fordulo: " + CellText(cell.character, cell.terrain, cell.icons) +
                               " / " + CellText(seen.character, o.terrain, o.icons);
      found.push_back({o.x, o.y, seen.turn, line});
    }
    cell.firstTurn = std::min(cell.firstTurn, seen.turn);
    if (seen.turn >= cell.lastTurn) {
      cell.terrain = o.terrain;
      cell.icons = o.icons;
      cell.lastTurn = seen.turn;
      cell.character = seen.character;
      state.fromReport = true;
    }
  }
  for (const AtlasPlace& place : seen.places) {
    const auto [at, fresh] = places_.try_emplace(Key(place.x, place.y), place);
    if (!fresh && seen.turn >= at->second.turn) at->second = place;
  }
  reportTurns_.insert({seen.character, seen.turn});
  reportSteps_.insert(reportSteps_.end(), seen.steps.begin(), seen.steps.end());
  conflicts_.insert(conflicts_.end(), found.begin(), found.end());
  return found;
}

AtlasWorld AtlasMerger::Result() const {
  AtlasWorld world;
  world.cells.reserve(cells_.size());
  for (const auto& [key, state] : cells_) world.cells.push_back(state.cell);
  std::sort(world.cells.begin(), world.cells.end(), ByYThenX<AtlasCell>);
  world.places.reserve(places_.size());
  for (const auto& [key, place] : places_) world.places.push_back(place);
  std::sort(world.places.begin(), world.places.end(), ByYThenX<AtlasPlace>);
  for (const AtlasStep& step : storedSteps_)
    if (!reportTurns_.contains({step.character, step.turn})) world.steps.push_back(step);
  world.steps.insert(world.steps.end(), reportSteps_.begin(), reportSteps_.end());
  std::stable_sort(
      world.steps.begin(), world.steps.end(), [](const AtlasStep& a, const AtlasStep& b) {
        return a.character != b.character ? a.character < b.character : a.turn < b.turn;
      });
  world.conflicts = conflicts_;
  return world;
}

}  // namespace qv
