#include "text/report_cursor.h"

#include "text/text.h"

namespace qv {

bool ReportCursor::CurrentHolds(std::string_view marker) const {
  return Contains(currentLine, marker);
}

bool ReportCursor::HoldsAny(std::span<const std::string_view> markers) const {
  for (const std::string_view m : markers)
    if (CurrentHolds(m)) return true;
  return false;
}

void ReportCursor::ReadUntilAny(std::span<const std::string_view> markers) {
  while (!Eof() && !HoldsAny(markers)) ReadLine();
}

}  // namespace qv
