// The HTML a turn report is read by: the tags and cell openings the
// converter and the item-list page look for, named by what they mark, for
// each layout. The older layout puts one table cell on a line, the newer one
// a whole table row. A marker noted "any case" is lower case and the
// converter matches it after lowering A to Z; the page matches the older
// layout's markers as they are written.
#pragma once

#include <span>
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
// What makes a turn report: a tag opening with "<title" (any case). The
// older layout has its title's opening and closing tags on one line, the
// newer one does not (both looked for lowered).
inline constexpr std::string_view kTitleTagStart = "<title";
inline constexpr std::string_view kTitleStart = "<title>";
inline constexpr std::string_view kTitleEnd = "</title>";
// The closing tag of a whole report (any case; the download's cut takes it
// as written).
inline constexpr std::string_view kHtmlEnd = "</html>";

// The header: the note of an extra turn, the labels the right column's
// blocks start at, and what ends the header at the title line.
inline constexpr std::string_view kExtraTurnNote = "Extra forduló"_cp;
inline constexpr std::string_view kAccountLabel = "SZÁMLA :"_cp;
inline constexpr std::string_view kEnteredLabel = "Betáplálva:"_cp;
inline constexpr std::string_view kAdventurerLabel = "KALANDOZÓ:"_cp;
inline constexpr std::string_view kTitleLineEnd = " KALANDJAI";
// The turn number stands between these two in the header.
inline constexpr std::string_view kTurnBefore = ". JÁTÉKHETED, "_cp;
inline constexpr std::string_view kTurnAfter = ". FORDULÓD"_cp;

// The opening story: the contact list's title, and the map of a teleport
// (both layouts) or of a journey (the older layout, in its namespace).
inline constexpr std::string_view kContactsTitle = "NEKIK ÍRHATSZ"_cp;
inline constexpr std::string_view kTeleportMapTitle = "A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED"_cp;

// The encyclopedia notes and the character sheet that follows them.
inline constexpr std::string_view kEncyclopediaTitle = "ENCYCLOPEDIA FANTASIA";
inline constexpr std::string_view kSheetTitle = "KARAKTERLAP";

// The character sheet's sections, in report order, as both layouts mark them
// (the captured monsters, the divine quests, the heroic deeds and the mind
// skills differ: see LayoutMarkers).
inline constexpr std::string_view kCombatSkillsTitle = "HARCI ISMERETEK"_cp;
inline constexpr std::string_view kWeaponSwitchLabels[] = {"Feltételes fegyverváltás:"_cp,
                                                           "Feltételes lőfegyver használat:"_cp,
                                                           "Óvatosság (labirintusokban):"_cp};
inline constexpr std::string_view kOtherSkillsTitle = "EGYÉB ISMERETEK"_cp;
inline constexpr std::string_view kDevelopmentPointsTitle = "FEJLESZTÉSI PONTOK"_cp;
inline constexpr std::string_view kConditionalCommandsTitle = "FELTÉTELES PARANCSOK"_cp;
inline constexpr std::string_view kSpellsTitle = "COLSPAN=3>VARÁZSLATAID"_cp;
inline constexpr std::string_view kCurrentEffectsTitle = "COLSPAN=4>JELENLEG RAJTAD LEVŐ"_cp;
inline constexpr std::string_view kAttackDefenceTitle = "COLSPAN=7>TÁMADÓ ÉS"_cp;
inline constexpr std::string_view kItemsTitle = "COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK"_cp;

// The character sheet's bottom row: the labels of its four pairs, and the
// label that may start the row instead.
inline constexpr std::string_view kMindPointLabel = "Tudatpont";
inline constexpr std::string_view kPsiPointLabel = "Pszi pont";
inline constexpr std::string_view kImmortalityLabel = "Halhatatlanság"_cp;
inline constexpr std::string_view kDevelopmentLabel = "EFejl";
inline constexpr std::string_view kBloodPointLabel = "Vérpont"_cp;

// An item's or a spell's number follows "(#", a sum of money "($"; with
// the page's link around it, the tag's end stands before the "#" or "$".
inline constexpr std::string_view kNumberOpen = "(#";
inline constexpr std::string_view kMoneyOpen = "($";
inline constexpr std::string_view kNumberAfterTag = ">#";
inline constexpr std::string_view kMoneyAfterTag = ">$";
// An item's link to the encyclopedia: its start, the end of its opening tag
// for an item and for an item in a container, and its end.
inline constexpr std::string_view kLinkStart = "<A HREF";
inline constexpr std::string_view kItemLinkEnd = "CLASS=enc0>";
inline constexpr std::string_view kContainedItemLinkEnd = "CLASS=enc0kf>";
inline constexpr std::string_view kLinkEnd = "</A>";

// The command reference's item-payment rows, which hold a tab.
inline constexpr std::string_view kItemPaymentRow = "KF   tárgy     [1-2]"_cp;
inline constexpr std::string_view kItemPaymentThirdRow = "KF   tárgy     3"_cp;

// The development points' summary row: its cell spans four columns.
inline constexpr std::string_view kSummaryCell = " COLSPAN=4";

// In the spells: a group heading's cell and the "stupidity price" row that
// is left out; in the attack and defence spells, a cell across the table.
inline constexpr std::string_view kSpellGroupCell = "COLSPAN=3>";
inline constexpr std::string_view kStupidityPrice = "Butaság ára"_cp;
inline constexpr std::string_view kAttackDefenceWideCell = "COLSPAN=7>";

// In the carried items: the potions' category heading, the total weight's
// label and the older layout's shorter look for it.
inline constexpr std::string_view kPotionsCategory = "Löttyök"_cp;
// The item categories fall into this many groups, each with its banner.
inline constexpr int kItemGroupCount = 6;
inline constexpr std::string_view kTotalWeightLabel = "Összsúly:"_cp;
inline constexpr std::string_view kTotalWeightStart = "Összs"_cp;

// Each group's heading: the newer layout's category heading, and the label
// the older layout's potions and odd things get.
inline constexpr std::string_view kItemGroupHeadings[kItemGroupCount] = {
    "Páncélok és pajzsok"_cp,
    "Fegyverek és lövedékek"_cp,
    "Ékszerek és egyéb csecsebecsék"_cp,
    "Eszközök, használati tárgyak, készletek"_cp,
    "Löttyök és porok, tartóstul"_cp,
    "Egyéb bigyók és gyanús csúnyaságok"_cp};
// The bank safe and the item change lists, in report order.
inline constexpr std::string_view kBankTitle = "TÁRGYAID A BANK SZÉFJÉBEN"_cp;
inline constexpr std::string_view kTurnStartTitle = "A FORDULÓ ELEJÉN MÉG MEGVOLT..."_cp;
inline constexpr std::string_view kLastTurnTitle = "AZ ELŐZŐ FORDULÓBAN MÉG MEGVOLT..."_cp;
inline constexpr std::string_view kThisTurnTitle = "EBBEN A FORDULÓBAN KERÜLT HOZZÁD..."_cp;
}  // namespace report

// Phrases of the report's prose that its paragraphs are rewritten at.
namespace prose {
// The development points' report: its bold run, the sentence it ends with,
// the points used, and the sentence about points that cannot be carried on.
inline constexpr std::string_view kThisTurn = "Ebben a körben"_cp;
inline constexpr std::string_view kBoldThisTurn = "<B>Ebben a körben"_cp;
inline constexpr std::string_view kSpendable = "pontot költhetsz el."_cp;
inline constexpr std::string_view kPointsUsed = "pontot használtál fel, van még"_cp;
inline constexpr std::string_view kCarryOver =
    "Több pontod maradt, mint amennyit a következő körre át tudsz vinni."_cp;
static_assert(kBoldThisTurn.ends_with(kThisTurn));
// The gun development note whose braces are the report's own.
inline constexpr std::string_view kGunDevelopment = "Lőfegyver fejlődés:"_cp;
// A search order's name, and what its result says before a find's bold name.
inline constexpr std::string_view kSearchOrder = "kut ";
inline constexpr std::string_view kSearchFinding = ". Egy";
// A story's pause.
inline constexpr std::string_view kGoOn = "(Továbbmész...)"_cp;
// The phrases the configured emphasis picks out: the life points of a
// fight, a conditional order, a pointer to the encyclopedia.
inline constexpr std::string_view kDamageDealt = " életpontot sebeztél."_cp;
inline constexpr std::string_view kDamageTaken = " életpontot vesztettél."_cp;
inline constexpr std::string_view kConditional = "(Feltételes "_cp;
inline constexpr std::string_view kSeeEncyclopedia = "(ld. enc.)";
}  // namespace prose

// The site's answer to a turn's download: the table of the site's frame
// that is cut from it, from its start through its end.
namespace answer {
inline constexpr std::string_view kFrameTableStart = "<TABLE><TR>";
inline constexpr std::string_view kFrameTableEnd = "</TABLE>";
}  // namespace answer

// The item-list page's shorter looks for the same sections (as written).
namespace itempage {
inline constexpr std::string_view kItemsTitle = "NÁLAD LÉVŐ TÁRGYAK"_cp;
inline constexpr std::string_view kActiveSpellsTitle = "JELENLEG RAJTAD LEVŐ AKTÍV"_cp;
inline constexpr std::string_view kBankTitle = "TÁRGYAID A BANK"_cp;
inline constexpr std::string_view kTurnStartTitle = "A FORDULÓ ELEJÉN"_cp;
inline constexpr std::string_view kThisTurnTitle = "EBBEN A FORDULÓBAN"_cp;
// The older layout's mind-skill title line: as the scan finds it (up to the
// tag that follows) and as the copy starts it.
inline constexpr std::string_view kMindSkillsScan = "<td> KT-d eddig kifejlesztett képességei:<"_cp;
inline constexpr std::string_view kMindSkillsLine = "<td> KT-d eddig kifejlesztett képességei:"_cp;
// The style line's end, behind which the page adds its own styles.
inline constexpr std::string_view kStyleEnd = "</style>";
static_assert(report::kItemsTitle.ends_with(kItemsTitle) &&
              report::kBankTitle.starts_with(kBankTitle) &&
              report::kTurnStartTitle.starts_with(kTurnStartTitle) &&
              report::kThisTurnTitle.starts_with(kThisTurnTitle) &&
              kMindSkillsScan.starts_with(kMindSkillsLine));
}  // namespace itempage

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
// The cell ends between a skill's label and its value, which join, and the
// cell and row ends that part the skill tables' cells.
inline constexpr std::string_view kLabelCellEnds[] = {":</TD> <TD>", ":</td> <td>"};
inline constexpr std::string_view kCellBreaks[] = {"<TD></TD>",  "<td></td>", "</TD> <TD>",
                                                   "</td> <td>", "</TR>",     "</tr>"};
// A heading row of the conditional commands (as written).
inline constexpr std::string_view kHeadingClass = " CLASS=tfej2";
// A plain cell's opening and the end of a cell's tag, as the mind-skill
// list's cleaning removes them.
inline constexpr std::string_view kBareCell = "<td>";
inline constexpr std::string_view kCellTagEnd = "td>";
// A plain cell's opening (looked for in capitals), and the end of a row's
// tag, opening or closing.
inline constexpr std::string_view kPlainCell = "<TD>";
inline constexpr std::string_view kRowTagEnd = "tr>";
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
// The line between two encyclopedia notes (the whole line), and the break
// that ends a note's title and parts its paragraphs.
inline constexpr std::string_view kNoteSeparator = "</TABLE>";
inline constexpr std::string_view kNoteBreak = "<BR>";
// The character sheet's attribute table (any case).
inline constexpr std::string_view kSheetTable = "<table>";
// The report's title heading.
inline constexpr std::string_view kTitleHeading = "<H1>";
// The command reference's list, from its start to its end (any case).
inline constexpr std::string_view kListStart = "<pre>";
inline constexpr std::string_view kListEnd = "</pre>";
// The older layout's item category headings hold one of the words of their
// group (see report::kItemGroupCount).
inline constexpr std::string_view kArmourWords[] = {
    "Páncélok és pajzsok"_cp, "Pajzsok"_cp,  "Páncélok"_cp, "Sisakok"_cp,  "Köpenyek"_cp,
    "Vállvédők"_cp,           "Kesztyűk"_cp, "Övek"_cp,     "Nadrágok"_cp, "Csizmák"_cp};
inline constexpr std::string_view kWeaponWords[] = {
    "Fegyverek és lövedékek"_cp, "Vágófegyverek"_cp, "Szúrófegyverek"_cp, "Ütőfegyverek"_cp,
    "Vízifegyverek"_cp,          "Lőfegyverek"_cp,   "Lövedékek"_cp,      "Dobófegyverek"_cp};
inline constexpr std::string_view kJewelleryWords[] = {"Ékszerek és egyéb csecsebecsék"_cp,
                                                       "Fülbevalók"_cp,
                                                       "Nyakláncok"_cp,
                                                       "Karkötők/karvédők"_cp,
                                                       "Gyűrűk"_cp,
                                                       "Ékszerek/ruhadíszek"_cp};
inline constexpr std::string_view kToolWords[] = {"Eszközök, használati tárgyak"_cp, "Nyergek"_cp};
inline constexpr std::string_view kPotionWords[] = {"Löttyök és porok, tartóstul"_cp};
inline constexpr std::string_view kOddWords[] = {"Egyéb bigyók és gyanús csúnyaságok"_cp};

inline constexpr std::span<const std::string_view> kItemGroupWords[report::kItemGroupCount] = {
    kArmourWords, kWeaponWords, kJewelleryWords, kToolWords, kPotionWords, kOddWords};
// The map of a journey in the opening story.
inline constexpr std::string_view kJourneyMapTitle = "UTAZÁS MEGKEZDÉSE ELŐTTI TÉRKÉPED"_cp;
// The end of a map's legend.
inline constexpr std::string_view kMapLegendEnd = "<P>";
// The order table's name cell opens behind this.
inline constexpr std::string_view kOrderNameCell = "150>";
// The character sheet's sections that this layout marks in its own way; the
// heroic deeds and the mind skills are in this layout only.
inline constexpr std::string_view kCapturedMonstersTitle = ">ELFOGOTT SZÖRNYEID"_cp;
inline constexpr std::string_view kDivineQuestsTitle = ">ISTENI KÜLDETÉSEID"_cp;
inline constexpr std::string_view kHeroicDeedsTitle = ">HŐSTETTEID"_cp;
inline constexpr std::string_view kMindSkillsTitle = "KT-d eddig kifejlesztett képességei:<"_cp;
// In the mind skills: the remaining time units' label.
inline constexpr std::string_view kRemainingTu =
    "Maradék TU, amit a következő fejlesztéseknél használhattok el:"_cp;
// A mind skill's line: the labels of the time units developed, still needed
// and still needed by the character's own development, and its usable mark.
inline constexpr std::string_view kDevelopedLabel = "belefejlesztettél: "_cp;
inline constexpr std::string_view kNeededLabel = "szükséges még: "_cp;
inline constexpr std::string_view kKtNeedsLabel =
    "(KT-d jelenleg ezt fejleszti, kifejlesztéséhez még "_cp;
inline constexpr std::string_view kUsableMark = "OK";
// The command reference's rows of saved points, of saving them and of the
// extra turn, whose surplus words go.
inline constexpr std::string_view kSavedPointsRow = "PPF  PP";
inline constexpr std::string_view kSavingPointsRow = "PPS  PP";
inline constexpr std::string_view kExtraTurnRow = "EXT  ";
// The mind skills' tree title, which closes their skill list.
inline constexpr std::string_view kMindSkillTreeTitle = "Tudati képességfa:"_cp;
// The closing sections' titles, in report order.
inline constexpr std::string_view kStepMapTitle = "E KÖRBEN TETT LÉPÉSEID TÉRKÉPE"_cp;
inline constexpr std::string_view kGameMasterTitle = "ÜZENET A JÁTÉKVEZETŐTŐL"_cp;
inline constexpr std::string_view kWorldChangesTitle = "Változások a Zordon"_cp;
inline constexpr std::string_view kReferenceTitle = "ZORDON VIDÉK REFERENCIA"_cp;
// The reference's parts, in report order.
inline constexpr std::string_view kMonstersPart = "Szörnyek"_cp;
inline constexpr std::string_view kItemsPart = "Tárgyak"_cp;
inline constexpr std::string_view kCommandsPart = "Parancsok";
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
// A row's end tag, the cell after a text cell, and the development points'
// summary cell's opening.
inline constexpr std::string_view kRowEndTag = "</TR>";
inline constexpr std::string_view kNextTextCell = R"(</TD><TD CLASS="t1">)";
inline constexpr std::string_view kSummaryCellOpen = R"( COLSPAN=4 CLASS="t1">)";
// A heading cell of the conditional commands, and its opening's end.
inline constexpr std::string_view kHeadingClass = R"( CLASS="c3")";
inline constexpr std::string_view kHeadingCellOpen = R"(CLASS="c3">)";
// The spells' group heading cell as found and as opened, the opening of the
// "stupidity price" cell, and an attack and defence sub-heading's cell.
inline constexpr std::string_view kSpellGroupCell = R"(CLASS="c3" COLSPAN=3>)";
inline constexpr std::string_view kSpellGroupCellOpen = R"(<TD CLASS="c3" COLSPAN=3>)";
inline constexpr std::string_view kStupidityCellOpen = R"(<TD COLSPAN=3 CLASS="c3">)";
inline constexpr std::string_view kAttackDefenceHeadingCell = R"(c3" COLSPAN=7)";
// The table after the encyclopedia notes, and the cell a note's heading
// opens (any case).
inline constexpr std::string_view kEncyclopediaEnd =
    R"(<TABLE CELLPADDING=5 CELLSPACING=0 CLASS="klap" WIDTH=750>)";
// A picture's tag up to its address (the site's pictures go with the notes).
inline constexpr std::string_view kImageStart = "<IMG SRC=\"";
inline constexpr std::string_view kNoteHeadingCell =
    R"(</a><hr><table width=100% border=0 cellpadding=0 cellspacing=0><tr><td class="tenc" valign=top>)";
// The end of a map's legend.
inline constexpr std::string_view kMapLegendEnd = "<! end of map>";
// The character sheet's sections that this layout marks in its own way.
inline constexpr std::string_view kCapturedMonstersTitle = "COLSPAN=4>ELFOGOTT SZÖRNYEID"_cp;
inline constexpr std::string_view kDivineQuestsTitle = "COLSPAN=4>ISTENI KÜLDETÉSEID"_cp;
// The closing sections' titles, in report order: this layout has no game
// master's message and no world changes.
inline constexpr std::string_view kStepMapTitle = "E körben tett lépéseid térképe"_cp;
inline constexpr std::string_view kReferenceTitle = "ZORDON  VIDÉK  REFERENCIA"_cp;
// The reference's parts, in report order.
inline constexpr std::string_view kMonstersPart = "SZÖRNYEK"_cp;
inline constexpr std::string_view kItemsPart = "TÁRGYAK"_cp;
inline constexpr std::string_view kCommandsPart = "PARANCSOK";
}  // namespace newer

// What the two layouts mark differently, one struct a layout, for the
// functions that read a section of either layout. An empty marker stands for
// a section the layout does not have.
struct LayoutMarkers {
  std::string_view orderTable;
  std::string_view titleHeading;
  std::string_view mapLegendEnd;
  std::string_view capturedMonstersTitle;
  std::string_view divineQuestsTitle;
  std::string_view heroicDeedsTitle;
  std::string_view mindSkillsTitle;
  std::string_view stepMapTitle;
  std::string_view gameMasterTitle;
  std::string_view worldChangesTitle;
  std::string_view referenceTitle;
  std::string_view monstersPart;
  std::string_view itemsPart;
  std::string_view commandsPart;
};

namespace older {
inline constexpr LayoutMarkers kMarkers{
    .orderTable = kOrderTable,
    .titleHeading = kTitleHeading,
    .mapLegendEnd = kMapLegendEnd,
    .capturedMonstersTitle = kCapturedMonstersTitle,
    .divineQuestsTitle = kDivineQuestsTitle,
    .heroicDeedsTitle = kHeroicDeedsTitle,
    .mindSkillsTitle = kMindSkillsTitle,
    .stepMapTitle = kStepMapTitle,
    .gameMasterTitle = kGameMasterTitle,
    .worldChangesTitle = kWorldChangesTitle,
    .referenceTitle = kReferenceTitle,
    .monstersPart = kMonstersPart,
    .itemsPart = kItemsPart,
    .commandsPart = kCommandsPart,
};
}  // namespace older

namespace newer {
inline constexpr LayoutMarkers kMarkers{
    .orderTable = kOrderTable,
    .titleHeading = kTitleHeading,
    .mapLegendEnd = kMapLegendEnd,
    .capturedMonstersTitle = kCapturedMonstersTitle,
    .divineQuestsTitle = kDivineQuestsTitle,
    .heroicDeedsTitle = {},
    .mindSkillsTitle = {},
    .stepMapTitle = kStepMapTitle,
    .gameMasterTitle = {},
    .worldChangesTitle = {},
    .referenceTitle = kReferenceTitle,
    .monstersPart = kMonstersPart,
    .itemsPart = kItemsPart,
    .commandsPart = kCommandsPart,
};
}  // namespace newer

// The layout's markers.
inline const LayoutMarkers& Markers(Layout layout) {
  return layout == Layout::kOlder ? older::kMarkers : newer::kMarkers;
}

// The map applet's words as the reports write them, for every reader of the
// applet: the frame is <param name=koord value="...">, cell N is
// <param name=pN value="...">. The newer layout writes them in lower case;
// the older one writes the tags in capitals and is read lowered.
namespace applet {
// A parameter's tag and the names of the frame and of a cell (a cell's name
// is "p" and its number).
inline constexpr std::string_view kParamTag = "<param name=";
inline constexpr std::string_view kFrameName = "koord";
inline constexpr std::string_view kCellName = "p";

// What a line or piece holding a frame or a cell parameter holds.
inline constexpr std::string_view kFrameParam = "<param name=koord";
inline constexpr std::string_view kCellParam = "<param name=p";
static_assert(kFrameParam.substr(0, kParamTag.size()) == kParamTag &&
              kFrameParam.substr(kParamTag.size()) == kFrameName);
static_assert(kCellParam.substr(0, kParamTag.size()) == kParamTag &&
              kCellParam.substr(kParamTag.size()) == kCellName);

// The applet's opening (its tag name, the attributes follow) and closing
// tags.
inline constexpr std::string_view kAppletStart = "<applet";
inline constexpr std::string_view kAppletEnd = "</applet>";

// In the newer layout the cells end with the table around the applet.
inline constexpr std::string_view kCellsEnd = "</table></center>";
}  // namespace applet

// Whether the line ends a section's table in the layout: older::kTableEnd
// in any case, newer::kTableEnd as written.
bool EndsSectionTable(Layout layout, std::string_view line);

}  // namespace qv
