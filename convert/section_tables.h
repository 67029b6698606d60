// Pieces shared by the tables of the character sections (skills, spells,
// effects, quests): the two heading lines every such section starts with
// and the reading loop. Rows are written through TableRows.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "convert/run_state.h"
#include "rtfkit/rtf_writer.h"
#include "rtfkit/table_rows.h"
#include "text/line_cuts.h"

namespace qv {

// Right cell edges, in twips, of a row that spans the page.
inline constexpr int kFullWidthEdges[] = {10200};

// The blank line and the double-ruled title line that open a section; the
// title goes in as given (with any trailing blank of its own) and is kept
// with what follows it.
void WriteSectionHeading(RtfWriter& rtf, std::string_view title);

// The text of a report line without tags and with its blanks normalised.
std::string PlainLineText(std::string_view line);

// DeleteThrough on a view: the text loses everything through the first
// marker and `extra` characters more; with no marker, the marker's length
// less one (and `extra`).
void CutThrough(std::string_view& text, std::string_view marker, int extra = 0);
// CutThrough where the marker was looked for already: `at` is its offset in
// the text, npos when it is not there.
void CutThroughAt(std::string_view& text, std::size_t at, std::string_view marker);
// TextBefore as a view of the text.
std::string_view ViewBefore(std::string_view text, std::string_view marker);

// A table cell's line "{\fs18 TEXT}\cell" of report text, made in buffers
// that every cell uses again.
class CellLine {
 public:
  // The text escaped.
  std::string_view Of(std::string_view text);
  // PlainLineText(line) escaped.
  std::string_view OfPlain(std::string_view line);
  // StripTags(text) escaped.
  std::string_view OfTagless(std::string_view text);

 private:
  std::string line_;
  std::string plain_;
};

// The tables' reading loop: until the report ends or the current line is an
// end line, read a line and hand it over unless it is an end line.
template <typename IsEnd, typename Handle>
void ForEachTableLine(ConverterRun& run, IsEnd isEnd, Handle handle) {
  while (!run.Eof() && !isEnd(run.currentLine)) {
    run.ReadLine();
    if (!isEnd(run.currentLine)) handle(run.currentLine);
  }
}

// The same loop for a handler that reads no line itself: each line is
// looked at once for the table's end.
template <typename IsEnd, typename Handle>
void ForEachTableLineOnce(ConverterRun& run, IsEnd isEnd, Handle handle) {
  bool ended = isEnd(run.currentLine);
  while (!ended && !run.Eof()) {
    run.ReadLine();
    ended = isEnd(run.currentLine);
    if (!ended) handle(run.currentLine);
  }
}

}  // namespace qv
