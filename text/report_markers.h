// The HTML a turn report is read by: the tags and cell openings the
// converter and the item-list page look for, named by what they mark, for
// each layout. The older layout puts one table cell on a line, the newer one
// a whole table row. A marker noted "any case" is lower case and the
// converter matches it after lowering A to Z; the page matches the older
// layout's markers as they are written.
#pragma once

#include <string_view>

#include "text/cp1250.h"
#include "text/turn_report.h"

namespace qv {

// In both layouts.
namespace report {
// A cell spanning a whole item table: an item category's heading.
inline constexpr std::string_view kCategoryCell = "COLSPAN=9>";
// A cell beside an item that spans the rest of its row: a potion's effect,
// a note.
inline constexpr std::string_view kWideCell = "COLSPAN=6>";
// Opens a cell in the newer layout and the older one's upper-case tags.
inline constexpr std::string_view kCellStart = "<TD";
// The copyright line at the report's end.
inline constexpr std::string_view kCopyright = "&copy";
// The report's closing tag (any case): a report without it is cut.
inline constexpr std::string_view kHtmlEnd = "</html>";
// Opens the header's right column, on the line that names the character.
inline constexpr std::string_view kAdventurerLabel = "KALANDOZÓ:"_cp;
// The turn number stands between these in the header's left column.
inline constexpr std::string_view kTurnBefore = ". JÁTÉKHETED, "_cp;
inline constexpr std::string_view kTurnAfter = ". FORDULÓD"_cp;
// Opens the map before a teleport (the newer layout's journeys too).
inline constexpr std::string_view kTeleportMapTitle = "A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED"_cp;
}  // namespace report

namespace older {
// Ends a section's table (any case).
inline constexpr std::string_view kTableEnd = "</table>";
// A line that holds a table cell, and one that holds an item's count cell
// (any case).
inline constexpr std::string_view kCell = "<td";
inline constexpr std::string_view kCountCell = "<td class=tdb";
// The class of a count cell, as the page's item walk looks for it.
inline constexpr std::string_view kCountClass = "CLASS=tdb";
// Ends a cell (any case): the header's columns, the mind-skill list.
inline constexpr std::string_view kCellEnd = "</td>";
// Opens a table row, and a sub-heading row (any case).
inline constexpr std::string_view kRow = "<tr";
inline constexpr std::string_view kHeadingRow = "<tr class=tfej2";
// A paragraph's start: ends the contact list (as written), and a closing
// text section's paragraph (any case).
inline constexpr std::string_view kParagraph = "<P>";
inline constexpr std::string_view kTextParagraph = "<p>";
// The table of an order's result in the opening story, and its end.
inline constexpr std::string_view kOrderTable = "<TABLE CLASS=par>";
inline constexpr std::string_view kOrderTableEnd = "</TABLE>";
// The end of the order table's name cell.
inline constexpr std::string_view kOrderCellEnd = "</TD>";
// The line between two encyclopedia notes (the whole line).
inline constexpr std::string_view kNoteSeparator = "</TABLE>";
// The character sheet's attribute table (any case).
inline constexpr std::string_view kSheetTable = "<table>";
// The report's title heading.
inline constexpr std::string_view kTitleHeading = "<H1>";
// The command reference's list, from its start to its end (any case).
inline constexpr std::string_view kListStart = "<pre>";
inline constexpr std::string_view kListEnd = "</pre>";
// Opens the map before a journey.
inline constexpr std::string_view kJourneyMapTitle = "UTAZÁS MEGKEZDÉSE ELŐTTI TÉRKÉPED"_cp;
// Ends a map's legend.
inline constexpr std::string_view kMapLegendEnd = "<P>";
// The closing sections' titles, in report order.
inline constexpr std::string_view kStepMapTitle = "E KÖRBEN TETT LÉPÉSEID TÉRKÉPE"_cp;
inline constexpr std::string_view kGameMasterTitle = "ÜZENET A JÁTÉKVEZETŐTŐL"_cp;
inline constexpr std::string_view kWorldChangesTitle = "Változások a Zordon"_cp;
inline constexpr std::string_view kReferenceTitle = "ZORDON VIDÉK REFERENCIA"_cp;
}  // namespace older

namespace newer {
// Ends a section's table: the inner table and the frame around it.
inline constexpr std::string_view kTableEnd = "</TABLE></TD></TR></TABLE>";
// A text cell's opening, and the end of a cell and of a row.
inline constexpr std::string_view kTextCell = R"(<TD CLASS="t1">)";
inline constexpr std::string_view kCellEnd = "</TD>";
inline constexpr std::string_view kRowEnd = "</TD></TR>";
// The empty cell between two pairs of cells of a row.
inline constexpr std::string_view kSpacerCell = R"(<TD WIDTH=1 CLASS="t0"></TD>)";
// An item's count cell ends its opening with this; the next item's count
// cell and a wide cell after an item.
inline constexpr std::string_view kCountCell = "WIDTH=30>";
inline constexpr std::string_view kNextItem = R"(</TD> <TD ALIGN=RIGHT CLASS="t1" WIDTH=30>)";
inline constexpr std::string_view kNextWideCell = R"(</TD> <TD CLASS="t1" COLSPAN=6>)";
// The table of an order's result in the opening story (on one line), and
// its text cell.
inline constexpr std::string_view kOrderTable =
    R"(<TABLE CELLPADDING=0 CELLSPACING=0><TR><TD CLASS="p" WIDTH=170>)";
inline constexpr std::string_view kOrderTextCell = R"(<TD CLASS="p">)";
// Between two entries of the contact list, and the list's end.
inline constexpr std::string_view kContactRow = R"(</td></tr><tr><td class="t1">)";
inline constexpr std::string_view kContactListEnd = "</table></td></tr></table>";
// The character sheet's attribute table.
inline constexpr std::string_view kSheetTable =
    R"(<TABLE WIDTH=740 CELLPADDING=1 CELLSPACING=0 BORDER=0 CLASS="t0"><TR><TD>)";
// The header's left column ends where the right one opens; the right one
// ends with its table.
inline constexpr std::string_view kLeftColumnEnd = R"(</TD><TD CLASS="t1" VALIGN=TOP>)";
inline constexpr std::string_view kRightColumnEnd = "</TD></TR></TABLE>";
// The report's title heading.
inline constexpr std::string_view kTitleHeading = "<P><center><h2>";
// The table after the encyclopedia notes, and the cell a note's heading
// opens (any case).
inline constexpr std::string_view kEncyclopediaEnd =
    R"(<TABLE CELLPADDING=5 CELLSPACING=0 CLASS="klap" WIDTH=750>)";
inline constexpr std::string_view kNoteHeadingCell =
    R"(</a><hr><table width=100% border=0 cellpadding=0 cellspacing=0><tr><td class="tenc" valign=top>)";
// Ends a map's legend.
inline constexpr std::string_view kMapLegendEnd = "<! end of map>";
// The closing sections' titles, in report order: this layout has no game
// master's message and no world changes.
inline constexpr std::string_view kStepMapTitle = "E körben tett lépéseid térképe"_cp;
inline constexpr std::string_view kReferenceTitle = "ZORDON  VIDÉK  REFERENCIA"_cp;
}  // namespace newer

// Whether the line ends a section's table in the layout: older::kTableEnd
// in any case, newer::kTableEnd as written.
bool EndsSectionTable(Layout layout, std::string_view line);

}  // namespace qv
