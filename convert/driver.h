// Entry point of the report converter.
#pragma once

#include <string>

#include "config/file_places.h"
#include "convert/run_state.h"
#include "maps/map_resources.h"
#include "platform/run_context.h"
#include "rtfkit/rtf_writer.h"
#include "text/report_reader.h"
#include "text/turn_report.h"

namespace qv {

// What the converters keep across the reports of one run: both keep the
// map pictures (found by FindPicture) and the label font from the first map
// on.
struct ConverterSession {
  MapResources mapResources{FindPicture, LabelFontNoteFile()};
};

// Reads the report header (ScanReportHeader) into the run's headerBlock,
// adventurerBlock and reportTitle as RTF text: each line escaped and ended
// by "\par ", the "Extra forduló" note in small type.
void ScanHeader(ConverterRun& run);

// The whole conversion of an open report into `out` with the given settings
// and layout: what ConvertReport does once it has read the settings and
// opened both files. The fuzz targets convert into memory through it.
void ConvertReportInto(RunContext& ctx, ConverterSession& session, Layout layout,
                       const FormatSettings& settings, ReportReader& report, RtfWriter& out);

// Converts one report, open in `report` and of the given layout, into an RTF
// document named after it (RtfOutputName; standard output when the name
// gives none), beside the earlier one when the report is cut
// (OutputNameFor), with the settings the run read.
void ConvertReport(RunContext& ctx, ConverterSession& session, ReportReader& report, Layout layout,
                   const FormatSettings& settings);

}  // namespace qv
