#include "convert/mind_skill_table.h"

#include <string>
#include <string_view>

#include "convert/section_tables.h"
#include "rtfkit/rtf_escape.h"
#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

constexpr int kSkillEdges[] = {2550, 5100, 7650, 10200};
// The column count inside the tree, where skill rows are over.
constexpr int kInTree = -1;

}  // namespace

// The list is one report cell, a skill a line, up to the line that closes
// the cell; every line read is a skill (or a tree line).
void WriteMindSkills(ConverterRun& run) {
  RtfWriter& out = run.rtf;
  WriteSectionHeading(out, "KT-d eddig kifejlesztett képességei:"_cp);
  TableRows rows(out);
  const std::string treeRow = RowOpener(kFullWidthEdges, false) + "\\widctlpar\\intbl\r\n";
  int column = 0;
  ForEachTableLineOnce(
      run, [](const std::string& line) { return HoldsLowered(line, older::kCellEnd); },
      [&](const std::string& line) {
        if (column >= 0) ++column;
        if (column == 1) rows.Start(kSkillEdges, true);
        if (Contains(line, older::kMindSkillTreeTitle)) {
          // The tree's title closes the skill row, its own column included.
          if (column >= 1 && column <= 4)
            for (int c = column; c <= 4; ++c) rows.Cell(R"(\cell)");
          rows.End();
          out.Line(R"(\pard)");
          WriteSectionHeading(out, "Tudati képességfa:"_cp);
          column = kInTree;
        } else if (column >= 0) {
          rows.Cell(R"({\fs18 )" + RtfEscape(PlainLineText(line)) + R"(}\cell)");
          if (column == 4) {
            rows.End();
            column = 0;
          }
        } else {
          rows.Start(treeRow, 1);
          rows.Cell(R"({\fs18 )" + RtfEscape(PlainLineText(line)) + R"(}\cell)");
          rows.End();
        }
      });
  rows.End();
  out.Line(R"(\pard)");
}

}  // namespace qv
