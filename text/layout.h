#pragma once

namespace qv {

// The two report layouts, each read by its own converter variant.
enum class Layout {
  kRtf,    // the older layout: the title tag stands on one line
  kRtfUj,  // the newer layout
};

}  // namespace qv
