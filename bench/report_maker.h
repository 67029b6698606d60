// Large turn reports for the benchmarks, made from a sample report: its
// first row of carried items repeated with fresh item numbers, and its map
// applet replaced by a square map of any side in the layout's own form.
#pragma once

#include <cstddef>
#include <string>

#include "text/turn_report.h"

namespace qvbench {

// The sample with item rows added until it holds at least targetBytes, and,
// when mapSide > 0, a mapSide x mapSide map in place of its own. Lines end
// with CR LF like the samples'.
std::string MakeReport(const std::string& sample, qv::Layout layout, std::size_t targetBytes,
                       int mapSide);

// The sample's story with one line of `pairs` bold pairs ("<b>x</b> ") added
// in front of its first order table.
std::string WithBoldPairs(const std::string& sample, qv::Layout layout, std::size_t pairs);

}  // namespace qvbench
