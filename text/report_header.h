// The report's header: its two columns (what was fed in, and the
// adventurer with the account) and the title line, as each layout holds
// them. The converter writes them as RTF text; the atlas reads the
// character's and the turn's numbers from them.
#pragma once

#include <string>
#include <string_view>

#include "text/report_cursor.h"
#include "text/turn_report.h"

namespace qv {

// How the cut text is kept in the blocks: each line passed through `escape`
// and ended by `lineEnd`; the "Extra forduló" note between `noteOpen` and
// `noteClose`.
struct HeaderFormat {
  std::string (*escape)(std::string_view text);
  std::string_view lineEnd;
  std::string_view noteOpen;
  std::string_view noteClose;
};

// The header's columns and title in a HeaderFormat.
struct ReportHeader {
  std::string headerBlock;      // the left column, from "Betáplálva:"
  std::string adventurerBlock;  // the right column, from "KALANDOZÓ:"
  std::string reportTitle;      // the title line (" KALANDJAI")
};

// Reads the report header from the cursor's line on: the left column (from
// "Betáplálva:") into headerBlock, the right column (from "KALANDOZÓ:") into
// adventurerBlock, and the title line (" KALANDJAI") into reportTitle. Stops
// on the title line (or at the end of the report).
void ScanReportHeader(ReportCursor& cursor, Layout layout, const HeaderFormat& format,
                      ReportHeader& header);

}  // namespace qv
