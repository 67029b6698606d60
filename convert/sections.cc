#include "convert/sections.h"

#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "convert/character_sheet.h"
#include "convert/encyclopedia.h"
#include "convert/item_changes.h"
#include "convert/item_sections.h"
#include "convert/mind_skill_table.h"
#include "convert/skill_tables.h"
#include "convert/spell_tables.h"
#include "text/cp1250.h"

namespace qv {
namespace {

using Markers = std::vector<std::string_view>;

// One section of the walk: it runs when the search stopped at one of `own`.
// A section without a converter is looked for (so that the walk advances
// exactly as it will) but writes nothing yet.
struct Section {
  Markers own;
  Markers stops;
  std::function<void(ConverterRun&)> convert;
};

void Search(ConverterRun& run, const Section& s) {
  run.ReadUntilAny(s.stops);
  if (run.HoldsAny(s.own) && s.convert) s.convert(run);
}

using Converter = void (*)(ConverterRun&);

// A section from the development points on: its marker and its converter.
struct LaterSection {
  std::string_view marker;
  Converter convert;
};

// The sections from the development points on, in walk order, as each
// layout marks them; each of these searches stops at its own marker and
// every later one.
constexpr LaterSection kOlderLater[] = {
    {"FEJLESZTÉSI PONTOK"_cp, WriteDevelopmentPoints},
    {"FELTÉTELES PARANCSOK"_cp, WriteConditionalCommands},
    {"COLSPAN=3>VARÁZSLATAID"_cp, WriteSpells},
    {"COLSPAN=4>JELENLEG RAJTAD LEVŐ"_cp, WriteCurrentEffects},
    {"COLSPAN=7>TÁMADÓ ÉS"_cp, WriteAttackDefenceSpells},
    {">ELFOGOTT SZÖRNYEID"_cp, WriteCapturedMonsters},
    {">ISTENI KÜLDETÉSEID"_cp, WriteDivineQuests},
    {">HŐSTETTEID"_cp, WriteHeroicDeeds},
    {"KT-d eddig kifejlesztett képességei:<"_cp, WriteMindSkills},
    {"COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK"_cp, ConvertItems}};
constexpr LaterSection kNewerLater[] = {
    {"FEJLESZTÉSI PONTOK"_cp, WriteDevelopmentPoints},
    {"FELTÉTELES PARANCSOK"_cp, WriteConditionalCommands},
    {"COLSPAN=3>VARÁZSLATAID"_cp, WriteSpells},
    {"COLSPAN=4>JELENLEG RAJTAD LEVŐ"_cp, WriteCurrentEffects},
    {"COLSPAN=7>TÁMADÓ ÉS"_cp, WriteAttackDefenceSpells},
    {"COLSPAN=4>ELFOGOTT SZÖRNYEID"_cp, WriteCapturedMonsters},
    {"COLSPAN=4>ISTENI KÜLDETÉSEID"_cp, WriteDivineQuests},
    {"COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK"_cp, ConvertItems}};

// The character-sheet branch, in walk order.
std::vector<Section> BranchSections(Layout layout) {
  const std::string_view weaponSwitch[] = {"Feltételes fegyverváltás:"_cp,
                                           "Feltételes lőfegyver használat:"_cp,
                                           "Óvatosság (labirintusokban):"_cp};
  const std::span<const LaterSection> later =
      layout == Layout::kOlder ? std::span<const LaterSection>(kOlderLater) : kNewerLater;
  // Every search stops at its own marker, those of the sections after it
  // and those of the sections after the items, so that a report without
  // some of them (a character who carries nothing, say) keeps what follows.
  const Markers afterItems = MarkersAfterItems(layout);
  auto stopsFrom = [&](Markers stops, std::size_t firstLater) {
    for (std::size_t i = firstLater; i < later.size(); ++i) stops.push_back(later[i].marker);
    stops.insert(stops.end(), afterItems.begin(), afterItems.end());
    return stops;
  };
  std::vector<Section> sections;
  sections.push_back({{"HARCI ISMERETEK"_cp},
                      stopsFrom({"HARCI ISMERETEK"_cp, weaponSwitch[0], weaponSwitch[1],
                                 weaponSwitch[2], "EGYÉB ISMERETEK"_cp},
                                0),
                      WriteCombatSkills});
  sections.push_back({{weaponSwitch[0], weaponSwitch[1], weaponSwitch[2]},
                      stopsFrom({weaponSwitch[0], weaponSwitch[1], weaponSwitch[2],
                                 "EGYÉB ISMERETEK"_cp},
                                0),
                      WriteConditionalSwitches});
  sections.push_back({{"EGYÉB ISMERETEK"_cp},
                      stopsFrom({"EGYÉB ISMERETEK"_cp}, 0),
                      WriteOtherSkills});
  for (std::size_t i = 0; i < later.size(); ++i)
    sections.push_back({{later[i].marker}, stopsFrom({}, i), later[i].convert});
  return sections;
}

}  // namespace

void WalkSections(ConverterRun& run) {
  Search(run, {{"ENCYCLOPEDIA FANTASIA"},
               {"ENCYCLOPEDIA FANTASIA", "KARAKTERLAP"},
               WriteEncyclopediaNotes});

  // The branch runs when the character-sheet search found its marker.
  const Section sheet{{"KARAKTERLAP"}, {"KARAKTERLAP"}, WriteCharacterSheet};
  run.ReadUntilAny(sheet.stops);
  const bool hasSheet = run.HoldsAny(sheet.own);
  if (!hasSheet) return;
  if (sheet.convert) sheet.convert(run);

  for (const Section& s : BranchSections(run.layout)) Search(run, s);

  // The bank safe and the item change lists follow the carried items.
  ConvertItemChanges(run);
}

}  // namespace qv
