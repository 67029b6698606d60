#include "atlas/report_observations.h"

#include <span>
#include <string_view>

#include "maps/applet_map.h"
#include "maps/map_legend_entries.h"
#include "maps/map_params.h"
#include "platform/error.h"
#include "rtfkit/prologue.h"
#include "text/cut_report.h"
#include "text/report_cursor.h"
#include "text/report_header.h"
#include "text/report_markers.h"
#include "text/text.h"
#include "text/turn_report.h"

namespace qv {
namespace {

constexpr std::string_view kLineEnd = "\n";

// The header's text as the report holds it, one line a line.
constexpr HeaderFormat kPlainText{
    [](std::string_view text) { return std::string(text); },
    kLineEnd,
    "",
    kLineEnd,
};

// The farthest frame corner and the largest frame the atlas takes.
constexpr int kFarthest = 1'000'000;
constexpr int kMostFields = 1000;

// A decimal number of digits only; nullopt for anything else, and for more
// digits than a number of the atlas holds.
std::optional<AtlasNumber> Digits(std::string_view text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  AtlasNumber n = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

// A whole number with an optional sign and blanks around it, within int.
std::optional<int> WholeNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  const std::optional<AtlasNumber> n = text.size() <= 10 ? Digits(text) : std::nullopt;
  if (!n || *n > 2'147'483'647) return std::nullopt;
  return static_cast<int>(negative ? -*n : *n);
}

std::string Trimmed(std::string text) {
  for (char& c : text)
    if (c == '\t') c = ' ';
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The frame when the atlas takes its map: whole numbers, 1 to 1000 fields
// each way, the first column and row within a million of the origin.
std::optional<MapFrame> TakenFrame(const std::string& param) {
  MapFrame frame;
  try {
    frame = ParseMapFrame(param);
  } catch (const Error&) {
    return std::nullopt;
  }
  const auto within = [](int v, int low, int high) { return v >= low && v <= high; };
  if (!within(frame.columns, 1, kMostFields) || !within(frame.rows, 1, kMostFields) ||
      !within(frame.firstColumn, -kFarthest, kFarthest) ||
      !within(frame.firstRow, -kFarthest, kFarthest))
    return std::nullopt;
  return frame;
}

// The cell when the atlas takes it: whole-number fields, inside its frame,
// a terrain of 1 to 14.
std::optional<MapCell> TakenCell(const std::string& param, const MapFrame& frame) {
  MapCell cell;
  try {
    cell = ParseMapCell(param);
  } catch (const Error&) {
    return std::nullopt;
  }
  if (cell.row < 0 || cell.column < 0 || cell.row >= frame.rows || cell.column >= frame.columns ||
      cell.terrain < 1 || cell.terrain > 14)
    return std::nullopt;
  return cell;
}

// The place of a legend entry, or nullopt without two whole numbers.
std::optional<AtlasPlace> PlaceOf(const MapLegendEntry& entry) {
  const std::string first = entry.lines.empty() ? "" : entry.lines.front();
  const std::optional<std::pair<int, int>> xy = PlaceCoordinates(entry.coordinates + first);
  if (!xy) return std::nullopt;
  AtlasPlace place;
  place.x = xy->first;
  place.y = xy->second;
  // The text after the first ") "; the document's first cell ends there.
  std::string text = EndsWith(entry.coordinates, ") ") ? first : "";
  for (std::size_t i = 1; i < entry.lines.size(); ++i) (text += ' ') += entry.lines[i];
  place.text = Trimmed(std::move(text));
  return place;
}

// Reads the map whose title the cursor stands on, as the document reads it:
// the applet, then the legend up to the layout's end marker. A map whose
// frame the atlas does not take gives nothing, but its lines are read all
// the same.
void ReadMap(ReportCursor& cursor, Layout layout, bool stepMap, ReportObservations& seen) {
  CursorLines lines(cursor);
  AppletReader applet(lines, layout);
  if (!applet.FindFrame()) return;
  const std::optional<MapFrame> frame = TakenFrame(applet.frame());
  while (const std::string* param = applet.NextCell()) {
    if (!frame) continue;
    const std::optional<MapCell> cell = TakenCell(*param, *frame);
    if (!cell) {
      ++seen.skippedCells;
      continue;
    }
    const int x = frame->firstColumn + cell->column;
    const int y = frame->firstRow + cell->row;
    seen.cells.push_back({x, y, cell->terrain, cell->icons < 1 ? 0 : cell->icons});
    if (stepMap && cell->arrow >= 1 && cell->arrow <= 9)
      seen.steps.push_back({seen.character, seen.turn, x, y, cell->arrow});
  }
  cursor.currentLine = applet.frame();
  const MapLegendEntries legend =
      ReadMapLegendEntries(lines, MapLegendEnd(layout), cursor.currentLine);
  if (!frame) {
    ++seen.skippedMaps;
    return;
  }
  ++seen.maps;
  for (const MapLegendEntry& entry : legend.entries) {
    std::optional<AtlasPlace> place = PlaceOf(entry);
    if (!place) {
      ++seen.skippedPlaces;
      continue;
    }
    place->turn = seen.turn;
    place->character = seen.character;
    seen.places.push_back(std::move(*place));
  }
}

bool AtJourneyMap(const ReportCursor& cursor, Layout layout) {
  return cursor.CurrentHolds(report::kTeleportMapTitle) ||
         (layout == Layout::kOlder && cursor.CurrentHolds(older::kJourneyMapTitle));
}

constexpr std::string_view kOlderClosing[] = {older::kStepMapTitle, older::kGameMasterTitle,
                                              older::kWorldChangesTitle, older::kReferenceTitle};
constexpr std::string_view kNewerClosing[] = {newer::kStepMapTitle, newer::kReferenceTitle};

// The maps in report order: a map before a teleport or journey wherever its
// title stands before the closing sections, then the step map when it is
// the first closing section.
void ReadMaps(ReportCursor& cursor, Layout layout, ReportObservations& seen) {
  const std::span<const std::string_view> closing =
      layout == Layout::kOlder ? std::span<const std::string_view>(kOlderClosing)
                               : std::span<const std::string_view>(kNewerClosing);
  while (!cursor.Eof() && !cursor.HoldsAny(closing)) {
    if (AtJourneyMap(cursor, layout))
      ReadMap(cursor, layout, /*stepMap=*/false, seen);
    else
      cursor.ReadLine();
  }
  if (cursor.CurrentHolds(closing.front())) ReadMap(cursor, layout, /*stepMap=*/true, seen);
}

}  // namespace

std::optional<AtlasNumber> CharacterNumber(const std::string& adventurerLine) {
  const std::size_t open = adventurerLine.rfind('(');
  if (open == std::string::npos) return std::nullopt;
  const std::size_t close = adventurerLine.find(')', open);
  if (close == std::string::npos) return std::nullopt;
  return Digits(std::string_view(adventurerLine).substr(open + 1, close - open - 1));
}

std::optional<AtlasNumber> TurnNumberOf(const std::string& headerBlock) {
  return Digits(TurnNumber(headerBlock));
}

std::optional<std::pair<int, int>> PlaceCoordinates(const std::string& coordinates) {
  const int comma = Find(",", coordinates);
  const int close = Find(")", coordinates);
  if (coordinates.empty() || coordinates[0] != '(' || comma == 0 || close < comma)
    return std::nullopt;
  const std::optional<int> x = WholeNumber(Copy(coordinates, 2, comma - 2));
  const std::optional<int> y = WholeNumber(Copy(coordinates, comma + 1, close - comma - 1));
  if (!x || !y) return std::nullopt;
  return std::make_pair(*x, *y);
}

ReportReading ReadReportObservations(ReportReader& report) {
  const TitleScan title = ScanTitle(report);
  if (!title.titled) return {std::nullopt, "nem fordulojelentes"};
  if (!ReportIsWhole(report)) return {std::nullopt, "csonka jelentes"};
  ReportCursor cursor(report);
  ReportHeader header;
  ScanReportHeader(cursor, title.layout, kPlainText, header);
  const std::string adventurerLine =
      header.adventurerBlock.substr(0, header.adventurerBlock.find(kLineEnd));
  ReportObservations seen;
  const std::optional<AtlasNumber> character = CharacterNumber(adventurerLine);
  if (!character) return {std::nullopt, "nincs benne karakterszam"};
  const std::optional<AtlasNumber> turn = TurnNumberOf(header.headerBlock);
  if (!turn) return {std::nullopt, "nincs benne fordulo szama"};
  seen.character = *character;
  seen.turn = *turn;
  ReadMaps(cursor, title.layout, seen);
  return {std::move(seen), ""};
}

}  // namespace qv
