// Turn reports of either layout made from a few lines of description: the
// header with a character and a turn number, a map before a teleport and a
// step map, each with its frame, cells and legend lines. The atlas tests
// build small worlds of them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "text/turn_report.h"

namespace qv::test {

struct MapSpec {
  std::string frame;                // "W,H,X0,Y0"
  std::vector<std::string> cells;   // "row,column,terrain,arrow,icons"
  std::vector<std::string> legend;  // the legend's lines, without their line break tag
};

struct ReportSpec {
  Layout layout = Layout::kOlder;
  std::string character;  // as it stands between "(" and ")" after "KALANDOZÓ:"
  std::string turn;       // as it stands before ". FORDULÓD"
  std::optional<MapSpec> teleport;
  std::optional<MapSpec> steps;
  bool cut = false;  // without the closing "</html>"
};

// The report's bytes (Windows-1250, CR LF).
std::string SmallReport(const ReportSpec& spec);

}  // namespace qv::test
