#include "text/report_markers.h"

#include "text/line_cuts.h"
#include "text/text.h"

namespace qv {

bool EndsSectionTable(Layout layout, std::string_view line) {
  if (layout == Layout::kOlder) return HoldsLowered(line, older::kTableEnd);
  return Contains(line, newer::kTableEnd);
}

}  // namespace qv
