// Entry points of the two report converters.
#pragma once

#include <optional>
#include <string>

#include "convert/run_state.h"
#include "maps/map_resources.h"
#include "platform/run_context.h"
#include "rtfkit/rtf_writer.h"
#include "text/layout.h"
#include "text/report_reader.h"

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

// The whole conversion of an open report into `out` with the given settings
// and layout: what ConvertReport does once it has read the settings and
// opened both files. The fuzz targets convert into memory through it.
void ConvertReportInto(RunContext& ctx, ConverterSession& session, Layout layout,
                       const FormatSettings& settings, ReportReader& report, RtfWriter& out);

namespace rtf {
// Converts one report of the older layout into an RTF document.
void ConvertReport(RunContext& ctx, ConverterSession& session, const std::string& fileName);
}  // namespace rtf

namespace rtfuj {
// Converts one report of the newer layout into an RTF document.
void ConvertReport(RunContext& ctx, ConverterSession& session, const std::string& fileName);
}  // namespace rtfuj
}  // namespace qv
