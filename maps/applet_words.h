// The map applet's words are report markers, kept with the others in
// text/report_markers.h (namespace applet); this header lets the code that
// still includes it name them unqualified.
#pragma once

#include "text/report_markers.h"

namespace qv {
using namespace applet;
}  // namespace qv
