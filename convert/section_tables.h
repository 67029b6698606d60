// Pieces shared by the tables of the character sections (skills, spells,
// effects, quests): the two heading lines every such section starts with,
// row openers and the reading loop.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "convert/run_state.h"
#include "rtfkit/rtf_writer.h"
#include "text/line_cuts.h"

namespace qv {

// Right cell edges, in twips, of a row that spans the page.
inline constexpr int kFullWidthEdges[] = {10200};

// The blank line and the double-ruled title line that open a section; the
// title goes in as given (with any trailing blank of its own).
void WriteSectionHeading(RtfWriter& rtf, std::string_view title);

// "\trowd", one "\cellxN" line per right edge, then "\widctlpar\intbl" when
// `intbl`.
void WriteRowOpener(RtfWriter& rtf, std::span<const int> edges, bool intbl);
// The same opener as text, for a table that writes it for every row.
std::string RowOpener(std::span<const int> edges, bool intbl);

// The text of a report line without tags and with its blanks normalised.
std::string PlainLineText(std::string_view line);

// Ends a table row that is still open (fewer cells than the row has) with
// "\row", as RTF ends every row: LibreOffice takes everything after a row
// never ended, up to the next row, into its last cell.
void CloseOpenRow(RtfWriter& rtf, bool& rowOpen);

// The tables' reading loop: until the report ends or the current line is an
// end line, read a line and hand it over unless it is an end line.
template <typename IsEnd, typename Handle>
void ForEachTableLine(ConverterRun& run, IsEnd isEnd, Handle handle) {
  while (!run.Eof() && !isEnd(run.currentLine)) {
    run.ReadLine();
    if (!isEnd(run.currentLine)) handle(run.currentLine);
  }
}

}  // namespace qv
