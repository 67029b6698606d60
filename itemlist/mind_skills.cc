#include "itemlist/mind_skills.h"

#include "itemlist/skill_tree.h"
#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

using older::kRemainingTu;

// Removes every "<td>" and "</td>" and trims, for as long as "td>" is left
// and a pass still changes something (a "td>" in another form stays).
std::string CleanCells(std::string line) {
  using older::kBareCell, older::kCellEnd;
  while (Contains(line, older::kCellTagEnd)) {
    std::string cleaned = TrimBlanks(ReplaceAll(kCellEnd, "", ReplaceAll(kBareCell, "", line)));
    if (cleaned == line) break;
    line = std::move(cleaned);
  }
  return line;
}

// "<marker>10 TU. ..." -> 10, and the text left after " TU." and one more
// character.
bool TakeTu(std::string& line, std::string_view marker, int* value) {
  if (!Contains(line, marker)) return false;
  DeleteThroughIfFound(line, marker);
  *value = IntegerOrZero(TextBefore(line, " TU"));
  DeleteThroughIfFound(line, " TU.", 1);
  return true;
}

std::string SkillLink(const std::string& host, int number) {
  return "<a target='lumenktenc' href='http://" + host +
         "/weblumen/ktkep_enc.php?ssz=" + std::to_string(number) + "'>";
}

void WriteSkillList(PageRun& run) {
  run.WriteLine("<table>");
  run.WriteLine("<tr class='tfej'>");
  run.WriteLine("<td colspan='3'>KT-D EDDIG KIFEJLESZTETT KÉPESSÉGEI:</td>"_cp);
  run.WriteLine("</tr>");
  for (std::size_t i = 0; i < run.skills.size() && run.skills[i].number <= 500; ++i) {
    const MindSkill& s = run.skills[i];
    if (i > 0 && i % 4 == 0) run.WriteLine("</tr><tr>");
    run.WriteLine("<td style='width: 25%'>" + SkillLink(run.setup.encyclopediaHost, s.number) +
                  s.name + "</a> (#" + std::to_string(s.number) + ")");
  }
  run.WriteLine("</tr>");
  run.WriteLine("</table>");
}

void WriteSkillTree(PageRun& run) {
  for (const char* line : {"<P>", "<table>", "<tr class='tfej'>"}) run.WriteLine(line);
  run.WriteLine("<td colspan='7'>TUDATI KÉPESSÉGFA:</td>"_cp);
  run.WriteLine("</tr>");
  run.WriteLine("<tr class='tfej'>");
  run.WriteLine("<td colspan='7'>" + std::string(kRemainingTu) + " " +
                std::to_string(run.remainingTu) + " TU.</td>");
  run.WriteLine("</tr>");
  run.WriteLine("<tr>");
  run.WriteLine("<tr class='tfej'>");
  for (std::string_view head :
       {"Támadó"_cp, "Védekező"_cp, "Varázsló"_cp, "Pap"_cp, "Pszi"_cp, "Tudati"_cp, "Egyéb"_cp})
    run.WriteLine("<td class='fa'>" + std::string(head) + "</td>");
  run.WriteLine("</tr>");

  std::size_t cell = 0;
  for (std::size_t row = 0; row < kSkillTreeRowSizes.size(); ++row) {
    if (row > 0) {
      run.WriteLine("</tr>");
      run.WriteLine("<tr>");
    }
    for (int k = 0; k < kSkillTreeRowSizes[row]; ++k, ++cell) {
      const SkillTreeCell& c = kSkillTree[cell];
      const std::string span = c.span > 0 ? " colspan='" + std::to_string(c.span) + "'" : "";
      const std::string link = SkillLink(run.setup.encyclopediaHost, c.number);
      // The first cell has always carried its anchor twice.
      run.WriteLine("<td" + span + " class='fa'>" + link + (c.number == 501 ? link : "") +
                    std::string(c.name) + "</a> (#" + std::to_string(c.number) + ")<br />" +
                    SkillStatusCell(run.skills, c.number) + "</td>");
    }
  }
  run.WriteLine("</tr>");
  run.WriteLine("</table>");
}

}  // namespace

MindSkill ParseSkillLine(std::string line) {
  line = CleanCells(std::move(line));
  MindSkill s;
  s.name = TrimBlanks(TextBefore(line, " ("));
  DeleteThroughIfFound(line, " (");
  s.number = IntegerOrZero(TextBefore(line, ")"));
  DeleteThroughIfFound(line, ")", 1);
  TakeTu(line, older::kDevelopedLabel, &s.developed);
  TakeTu(line, older::kNeededLabel, &s.needed);
  TakeTu(line, older::kKtNeedsLabel, &s.ktNeeds);
  s.usable = Contains(line, older::kUsableMark);
  return s;
}

void ReadSkillList(PageRun& run) {
  if (run.CurrentHolds("(") && run.CurrentHolds(")"))
    run.console.Line(std::string("Hibás forduló!"_cp));
  while (!run.Eof() && !run.CurrentHolds(older::kTableEnd)) {
    run.ReadLine();
    if (run.CurrentHolds(older::kMindSkillTreeTitle)) {
      run.treeFound = true;
      run.ReadLine();
    }
    if (run.CurrentHolds(kRemainingTu)) {
      std::string rest = run.currentLine;
      DeleteThroughIfFound(rest, kRemainingTu, 1);
      // The number ends one character before the first tag ("35.</td>").
      run.remainingTu = IntegerOrZero(Copy(rest, 1, Find("<", rest) - 2));
      run.ReadLine();
    }
    if (run.CurrentHolds(older::kTableEnd) || run.CurrentHolds(older::kRowTagEnd) ||
        run.CurrentHolds(older::kRow))
      continue;
    run.skills.push_back(ParseSkillLine(run.currentLine));
  }
}

void WriteMindSkillTables(PageRun& run) {
  WriteSkillList(run);
  if (run.treeFound) WriteSkillTree(run);
}

std::string SkillStatusCell(const std::vector<MindSkill>& skills, int number) {
  const MindSkill* s = nullptr;
  for (const MindSkill& k : skills)
    if (k.number == number) {
      s = &k;
      break;
    }
  const std::string notYet(
      "<div style='background-color: #fce7e7; color: red' title='még nem fejlesztitek'>-</div>"_cp);
  if (s == nullptr) return notYet;
  if (s->usable)
    return std::string(
        "<div style='background-color: #ebfce7; color: #168001' title='használható'>OK</div>"_cp);
  const std::string open = "<div style='background-color: #e1e2f8; color: #272f97' title='";
  const std::string kt = std::to_string(s->ktNeeds);
  const std::string ktTitle = std::string("KT-d jelenleg ezt fejleszti, kifejlesztéséhez még "_cp) +
                              kt + std::string(" TU szükséges."_cp);
  if (s->developed <= 0 && s->needed <= 0)
    return s->ktNeeds > 0 ? open + ktTitle + "'>KT: " + kt + " TU</div>" : notYet;
  const std::string d = std::to_string(s->developed), n = std::to_string(s->needed);
  const std::string progress = std::string("Eddig fejlesztettél: "_cp) + d +
                               std::string(" TU, szükséges még: "_cp) + n + " TU";
  if (s->ktNeeds <= 0) return open + progress + "'>" + d + "/" + n + " TU</div>";
  return open + progress + " (" + ktTitle + ")'>" + d + "/" + n + " TU - KT: " + kt + " TU</div>";
}

}  // namespace qv
