// The map sections of a report: the applet's parameters read from the
// report, drawn as a picture and embedded with its legend.
#pragma once

#include "convert/run_state.h"
#include "graphics/mono_bitmap.h"

namespace qv {

// Raises the run's picture counter, prints the picture's size and the
// encoding progress, and writes the picture group as one line of the
// document.
void WriteRtfPicture(ConverterRun& run, const MonoBitmap& bitmap);

// Reads on from the current line to the applet's frame parameter, draws the
// map and writes its picture group as one line. Returns false, having read
// to the end of the report, when no frame parameter follows. On return the
// current line is the frame parameter (in the older layout, its piece of the
// applet line), and the legend follows. A picture that cannot be drawn ends
// the run with qv::Error, and the unfinished document is removed.
bool DrawMap(ConverterRun& run);

// True when the current line opens the map taken before a teleport (or, in
// the older layout, before a journey).
bool AtJourneyMap(const ConverterRun& run);

// The map before a teleport or journey: pending narrative, title, note,
// picture and legend.
void WriteJourneyMapSection(ConverterRun& run);

// The map of the steps taken in this turn: title, picture and legend.
void WriteStepMapSection(ConverterRun& run);

}  // namespace qv
