#include "text/report_header.h"

#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

// How a layout ends the header's columns and cuts its title line.
struct HeaderMarkers {
  bool (*endsLeftColumn)(const std::string& line);
  bool (*endsRightColumn)(const std::string& line);
  // Position of the cell end after the "Extra forduló" note at `from`, or 0.
  int (*noteEnd)(const std::string& line, int from);
  // The older layout starts the right column on the next line; the newer one
  // on the line that ended the left column.
  bool rightColumnOnNextLine;
  std::string (*title)(std::string line);
};

bool HoldsCellEnd(const std::string& line) {
  return Contains(AsciiLowerCase(line), older::kCellEnd);
}

const HeaderMarkers kOlderHeader{
    HoldsCellEnd,
    HoldsCellEnd,
    [](const std::string& line, int from) {
      return PosFrom(older::kCellEnd, AsciiLowerCase(line), from);
    },
    true,
    [](std::string line) {
      DeleteThrough(line, older::kTitleHeading);
      return StripTags(NormalizeBlanks(line));
    },
};

const HeaderMarkers kNewerHeader{
    [](const std::string& line) { return Contains(line, newer::kLeftColumnEnd); },
    [](const std::string& line) { return Contains(line, newer::kRightColumnEnd); },
    [](const std::string& line, int from) { return PosFrom(newer::kCellEnd, line, from); },
    false,
    [](std::string line) {
      DeleteThrough(line, newer::kTitleHeading);
      return NormalizeBlanks(line);  // this layout's title keeps its tags
    },
};

// Deletes everything in front of marker (nothing when it is absent).
void DeleteBefore(std::string& line, std::string_view marker) {
  const int p = Find(marker, line);
  if (p > 0) Delete(line, 1, p - 1);
}

// Adds the lines that follow to block, each without tags, escaped and ended
// as the format says, until a line ends the column (that line is not added).
// With noteEnd, an "Extra forduló" note is added first in the format's note
// brackets, its tags kept as text.
void ReadColumn(ReportCursor& run, const HeaderFormat& format, std::string& block,
                bool (*ends)(const std::string&), int (*noteEnd)(const std::string&, int)) {
  while (!run.Eof() && !ends(run.currentLine)) {
    run.ReadLine();
    const std::string& line = run.currentLine;
    const int extra = noteEnd ? Find(report::kExtraTurnNote, line) : 0;
    if (extra > 0) {
      const int end = noteEnd(line, extra);
      const std::string note = end > 0 ? Copy(line, extra, end - extra) : std::string();
      ((block += format.noteOpen) += format.escape(note)) += format.noteClose;
    }
    if (!ends(line)) (block += format.escape(StripTags(line))) += format.lineEnd;
  }
}

// "SZÁMLA :" gets three blanks before its colon, as the other labels have.
void AlignAccountLabel(std::string& block) {
  const int p = Find(report::kAccountLabel, block);
  if (p > 0) Insert("  ", block, p + 6);
}

}  // namespace

void ScanReportHeader(ReportCursor& run, Layout layout, const HeaderFormat& format,
                      ReportHeader& header) {
  const HeaderMarkers& markers = layout == Layout::kOlder ? kOlderHeader : kNewerHeader;
  std::string& line = run.currentLine;
  while (!run.Eof() && !Contains(line, report::kTitleLineEnd)) {
    run.ReadLine();
    if (Contains(line, report::kEnteredLabel)) {
      DeleteBefore(line, report::kEnteredLabel);
      header.headerBlock = format.escape(StripTags(line)) + std::string(format.lineEnd);
      ReadColumn(run, format, header.headerBlock, markers.endsLeftColumn, nullptr);

      if (markers.rightColumnOnNextLine) run.ReadLine();
      DeleteBefore(line, report::kAdventurerLabel);
      header.adventurerBlock = format.escape(StripTags(line)) + std::string(format.lineEnd);
      ReadColumn(run, format, header.adventurerBlock, markers.endsRightColumn, markers.noteEnd);
      AlignAccountLabel(header.adventurerBlock);
    }
    if (Contains(line, report::kTitleLineEnd)) header.reportTitle = format.escape(markers.title(line));
  }
}

}  // namespace qv
