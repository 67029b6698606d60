// The skill tables' cells: the report lines of a combat skill, other skill or
// development point table made into one text of cells, each ended by
// "\cell ", in a few scans of the text in place.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "text/turn_report.h"

namespace qv {

// The three tables that are flattened into a list of cells and laid out again
// in four columns.
enum class CellTable { kCombatSkills, kOtherSkills, kDevelopmentPoints };

// The table's text (its lines, each after a blank) as one text of cells.
// The cell and row ends of the layout become cell ends, the tags go, blanks
// are normalised; a skill's name and level cells become one cell. Empty
// cells: the combat skills drop them all, the other tables only the first.
std::string FlattenCells(Layout layout, CellTable table, std::string text);

// --- The scans FlattenCells is made of ------------------------------------

// What replacing every occurrence of each label end by its first character
// (":"), one end after the other, gives: a label's colon takes up every cell
// end that follows it, of the first kind, then of the second. Each end must
// start with its colon and hold no other (LabelEndsJoinInOneScan).
void JoinLabelCells(std::string& text, std::span<const std::string_view> labelEnds);

// What replacing every occurrence of each break by CR LF, one break after
// the other, gives: a break that overlaps one of an earlier pass, or an
// earlier one of its own pass, is not replaced. Breaks must fit
// BreaksFitOneScan.
void BreakCells(std::string& text, std::span<const std::string_view> breaks);

// Every "\r\n" as a cell end ("\cell "), each pair replaced once.
void EndCells(std::string& text);

// Every run of "\cell" joined by single blanks ("\cell \cell \cell") made
// one "\cell", as often as such a run is left anywhere in the text.
void DropEmptyCells(std::string& text);

constexpr bool LabelEndsJoinInOneScan(std::span<const std::string_view> labelEnds) {
  for (const std::string_view end : labelEnds) {
    if (end.size() < 2 || end.front() != labelEnds.front().front() ||
        end.find(end.front(), 1) != std::string_view::npos)
      return false;
  }
  return true;
}

// Each break of four bytes or more (longer than the CR LF that replaces it)
// and holding neither CR nor LF (a break never takes part of one that went
// before); at most three first characters among them; at most eight breaks.
constexpr bool BreaksFitOneScan(std::span<const std::string_view> breaks) {
  if (breaks.size() > 8) return false;
  char seen[3] = {};
  std::size_t count = 0;
  for (const std::string_view b : breaks) {
    if (b.size() < 4 || b.find_first_of("\r\n") != std::string_view::npos) return false;
    bool known = false;
    for (std::size_t i = 0; i < count; ++i) known = known || seen[i] == b.front();
    if (!known) {
      if (count == 3) return false;
      seen[count++] = b.front();
    }
  }
  return true;
}

}  // namespace qv
