#pragma once

#include <string_view>

#include "convert/run_state.h"
#include "maps/map_legend_entries.h"  // MapLegendEnd

namespace qv {

// The legend table under a map, from the report lines after the applet up
// to the line holding `endMarker` (or the end of the report): each place
// that starts with a coordinate pair "(x,y) " opens a two-cell row; lines
// without one continue the open row's text.
void WriteMapLegend(ConverterRun& run, std::string_view endMarker);

}  // namespace qv
