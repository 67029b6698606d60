// Entry points of the two report converters.
#pragma once

#include <optional>
#include <string>

#include "convert/run_state.h"
#include "graphics/map_resources.h"
#include "site/run_context.h"

namespace qv {

// What the converters keep across the reports of one run.
struct ConverterSession {
  // The newer converter reads its settings once and keeps them for the
  // whole process, also across a batch run.
  std::optional<FormatSettings> rtfUjSettings;
  // Both converters keep the map pictures and the label font from the first
  // map on.
  MapResources mapResources;
};

namespace rtf {
// Converts one report of the older layout into an RTF document.
void ConvertReport(RunContext& ctx, ConverterSession& session, const std::string& fileName);
}  // namespace rtf

namespace rtfuj {
// Converts one report of the newer layout into an RTF document.
void ConvertReport(RunContext& ctx, ConverterSession& session, const std::string& fileName);
}  // namespace rtfuj
}  // namespace qv
