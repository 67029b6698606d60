#pragma once

#include <string>

#include "text/layout.h"

namespace qv {

// Reads the report up to its first line holding "<title>" (any case); the
// layout is kRtf when that line also holds "</title>", else kRtfUj (also for
// a report without any "<title>" line, or an empty one). Throws qv::Error
// when the file cannot be opened.
Layout DetectLayout(const std::string& fileName);

// DetectLayout for a file that is to be converted or paged: a file in which
// no line holds "<title" (any case), an empty one included, is not a turn
// report and is refused with a qv::Error before anything is written for it.
Layout TurnReportLayout(const std::string& fileName);

}  // namespace qv
