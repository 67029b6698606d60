#include "convert/closing_sections.h"

#include <string>
#include <string_view>
#include <vector>

#include "convert/appendix.h"
#include "convert/maps/map_section.h"
#include "convert/section_tables.h"
#include "rtfkit/rtf_escape.h"
#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

// The report's text paragraphs as one-cell rows: every line of the section
// with at least three characters of text, up to the next paragraph (or the
// copyright line, when `toCopyright`).
void WriteTextSection(ConverterRun& run, std::string_view title, std::string_view cellOpen,
                      bool toCopyright) {
  run.rtf.Line(R"(\pard \ql\widctlpar {\f11\fs19 \par})");
  run.rtf.Line(R"(\pard {\f5\fs36\qc\keep\keepn )" + std::string(title) + R"({\f5\fs20\par\par}})");
  TableRows rows(run.rtf);
  const std::string opener = RowOpener(kFullWidthEdges, false) + "\\widctlpar\\intbl\\qj\r\n";
  ForEachTableLine(
      run,
      [toCopyright](const std::string& line) {
        return HoldsLowered(line, older::kTextParagraph) ||
               (toCopyright && Contains(line, report::kCopyright));
      },
      [&](const std::string& line) {
        const std::string text = PlainLineText(line);
        if (Length(text) < 3) return;
        rows.Start(opener, 1);
        rows.Cell(std::string(cellOpen) + RtfEscape(text) + R"(}\cell)");
        rows.End();
      });
  run.rtf.Line(R"(\pard)");
}

// Headed by its title as the report spells it.
void WriteGameMasterMessage(ConverterRun& run) {
  WriteTextSection(run, older::kGameMasterTitle, R"({\fs18 )", false);
}

void WriteWorldChanges(ConverterRun& run) {
  WriteTextSection(run, "VÁLTOZÁSOK A ZORDON VIDÉKEN"_cp, R"({\fs18\qj )", true);
}

struct ClosingSection {
  std::string_view marker;
  void (*write)(ConverterRun&);
};

// The closing sections in report order; a section the layout lacks (its
// marker empty) is left out.
std::vector<ClosingSection> ClosingSectionsOf(Layout layout) {
  const LayoutMarkers& m = Markers(layout);
  const ClosingSection all[] = {{m.stepMapTitle, WriteStepMapSection},
                                {m.gameMasterTitle, WriteGameMasterMessage},
                                {m.worldChangesTitle, WriteWorldChanges},
                                {m.referenceTitle, WriteAppendix}};
  std::vector<ClosingSection> sections;
  for (const ClosingSection& s : all)
    if (!s.marker.empty()) sections.push_back(s);
  return sections;
}

}  // namespace

void ConvertClosingSections(ConverterRun& run) {
  const std::vector<ClosingSection> sections = ClosingSectionsOf(run.layout);
  std::vector<std::string_view> markers;
  for (const ClosingSection& s : sections) markers.push_back(s.marker);
  for (std::size_t i = 0; i < sections.size(); ++i) {
    run.ReadUntilAny(std::span<const std::string_view>(markers).subspan(i));
    if (run.CurrentHolds(sections[i].marker)) sections[i].write(run);
  }

  run.rtf.Line("}");
  // Everything reaches the disk before success is announced, so a full disk
  // is reported as the failure it is.
  run.rtf.Close();
  run.Console("RTF file keszitese sikeresen befejezodott!");
  run.Console("");
}

}  // namespace qv
