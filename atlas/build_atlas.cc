#include "atlas/build_atlas.h"

#include <algorithm>
#include <map>
#include <utility>

#include "atlas/merge.h"
#include "atlas/report_observations.h"
#include "text/report_reader.h"

namespace qv {
namespace {

struct ReadReport {
  std::string name;
  ReportObservations seen;
};

std::string Count(int n, const char* what) { return std::to_string(n) + " " + what; }

// "1 terkep, 2 cella, 1 hely" of the counts that are not 0.
std::string SkipCounts(const ReportObservations& seen) {
  std::string text;
  const auto add = [&text](int n, const char* what) {
    if (n == 0) return;
    if (!text.empty()) text += ", ";
    text += Count(n, what);
  };
  add(seen.skippedMaps, "terkep");
  add(seen.skippedCells, "cella");
  add(seen.skippedPlaces, "hely");
  return text;
}

}  // namespace

AtlasBuild BuildAtlas(const std::vector<std::string>& reportNames, const AtlasWorld& stored,
                      std::optional<AtlasNumber> onlyCharacter, Console& console) {
  // One report a character's turn: the one later in name order.
  std::map<std::pair<AtlasNumber, AtlasNumber>, ReadReport> taken;  // by (turn, character)
  for (const std::string& name : reportNames) {
    ReportReading reading;
    {
      ReportReader report(name);
      reading = ReadReportObservations(report);
    }
    if (!reading.observations) {
      console.Line("Atlasz: " + name + " kimarad: " + reading.skipReason);
      continue;
    }
    ReportObservations& seen = *reading.observations;
    if (onlyCharacter && seen.character != *onlyCharacter) continue;
    console.Line("Atlasz: " + name + " (" + std::to_string(seen.character) + ". karakter, " +
                 std::to_string(seen.turn) + ". fordulo): " + Count(seen.maps, "terkep") + ", " +
                 Count(static_cast<int>(seen.cells.size()), "cella") + ", " +
                 Count(static_cast<int>(seen.places.size()), "hely"));
    const std::string skipped = SkipCounts(seen);
    if (!skipped.empty()) console.Line("Atlasz: " + name + " hibas adatai kimaradnak: " + skipped);
    const auto key = std::make_pair(seen.turn, seen.character);
    const auto at = taken.find(key);
    if (at != taken.end()) {
      const bool later = name > at->second.name;
      const std::string& dropped = later ? at->second.name : name;
      const std::string& kept = later ? name : at->second.name;
      console.Line("Atlasz: " + dropped + " kimarad: ugyanaz a karakter es fordulo, mint " + kept);
      if (later) at->second = {name, std::move(seen)};
      continue;
    }
    taken.emplace(key, ReadReport{name, std::move(seen)});
  }

  AtlasMerger merger;
  merger.AddStored(stored);
  AtlasBuild build;
  for (const auto& [key, report] : taken) {
    for (const AtlasConflict& conflict : merger.AddReport(report.seen)) console.Line(conflict.line);
    ++build.reportsRead;
  }
  build.world = merger.Result();
  return build;
}

std::vector<std::string> AtlasSummaryLines(const AtlasBuild& build) {
  const AtlasWorld& world = build.world;
  std::vector<std::string> lines;
  if (!world.conflicts.empty()) {
    lines.push_back("Ellentmondasok: " + std::to_string(world.conflicts.size()));
    for (const AtlasConflict& conflict : world.conflicts) lines.push_back("   " + conflict.line);
  }
  std::string extent = "nincs cella";
  if (!world.cells.empty()) {
    int minX = world.cells.front().x, maxX = minX;
    for (const AtlasCell& cell : world.cells) {
      minX = std::min(minX, cell.x);
      maxX = std::max(maxX, cell.x);
    }
    extent = "(" + std::to_string(minX) + "," + std::to_string(world.cells.front().y) + ")-(" +
             std::to_string(maxX) + "," + std::to_string(world.cells.back().y) + ")";
  }
  lines.push_back("Atlasz kesz: " + Count(build.reportsRead, "jelentes") + ", " +
                  Count(static_cast<int>(world.cells.size()), "cella") + ", " +
                  Count(static_cast<int>(world.places.size()), "hely") + ", " +
                  Count(static_cast<int>(world.steps.size()), "lepes") + "; kiterjedes: " + extent);
  return lines;
}

}  // namespace qv
