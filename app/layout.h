#pragma once

#include <string>

namespace qv {

// The two report layouts, each read by its own converter.
enum class Layout {
  kRtf,    // title tag on one line
  kRtfUj,  // the newer layout
};

// Reads the report up to its first line holding "<title>" (any case); the
// layout is kRtf when that line also holds "</title>", else kRtfUj (also for
// a report without any "<title>" line, or an empty one). Throws qv::Error
// when the file cannot be opened.
Layout DetectLayout(const std::string& fileName);

}  // namespace qv
