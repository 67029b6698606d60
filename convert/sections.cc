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
#include "text/report_markers.h"

namespace qv {
namespace {

using MarkerList = std::vector<std::string_view>;

// One section of the walk: it runs when the search stopped at one of `own`.
// A section without a converter is looked for (so that the walk advances
// exactly as it will) but writes nothing yet.
struct Section {
  MarkerList own;
  MarkerList stops;
  std::function<void(ConverterRun&)> convert;
};

void Search(ConverterRun& run, const Section& s) {
  run.ReadUntilAny(s.stops);
  if (run.HoldsAny(s.own) && s.convert) s.convert(run);
}

using Converter = void (*)(ConverterRun&);

// A section from the development points on: its marker, the same in both
// layouts or the layout's own (a section the layout lacks has an empty
// one), and its converter.
struct LaterSection {
  std::string_view marker;
  std::string_view LayoutMarkers::*layoutMarker;
  Converter convert;

  std::string_view MarkerIn(const LayoutMarkers& m) const {
    return layoutMarker != nullptr ? m.*layoutMarker : marker;
  }
};

// The sections from the development points on, in walk order; each of
// these searches stops at its own marker and every later one.
constexpr LaterSection kLater[] = {
    {report::kDevelopmentPointsTitle, nullptr, WriteDevelopmentPoints},
    {report::kConditionalCommandsTitle, nullptr, WriteConditionalCommands},
    {report::kSpellsTitle, nullptr, WriteSpells},
    {report::kCurrentEffectsTitle, nullptr, WriteCurrentEffects},
    {report::kAttackDefenceTitle, nullptr, WriteAttackDefenceSpells},
    {{}, &LayoutMarkers::capturedMonstersTitle, WriteCapturedMonsters},
    {{}, &LayoutMarkers::divineQuestsTitle, WriteDivineQuests},
    {{}, &LayoutMarkers::heroicDeedsTitle, WriteHeroicDeeds},
    {{}, &LayoutMarkers::mindSkillsTitle, WriteMindSkills},
    {report::kItemsTitle, nullptr, ConvertItems}};

// The character-sheet branch, in walk order.
std::vector<Section> BranchSections(Layout layout) {
  using report::kCombatSkillsTitle, report::kOtherSkillsTitle, report::kWeaponSwitchLabels;
  const LayoutMarkers& markers = Markers(layout);
  struct Later {
    std::string_view marker;
    Converter convert;
  };
  std::vector<Later> later;
  for (const LaterSection& s : kLater)
    if (const std::string_view marker = s.MarkerIn(markers); !marker.empty())
      later.push_back({marker, s.convert});
  // Every search stops at its own marker, those of the sections after it
  // and those of the sections after the items, so that a report without
  // some of them (a character who carries nothing, say) keeps what follows.
  const MarkerList afterItems = MarkersAfterItems(layout);
  auto stopsFrom = [&](MarkerList stops, std::size_t firstLater) {
    for (std::size_t i = firstLater; i < later.size(); ++i) stops.push_back(later[i].marker);
    stops.insert(stops.end(), afterItems.begin(), afterItems.end());
    return stops;
  };
  const MarkerList weaponSwitch(std::begin(kWeaponSwitchLabels), std::end(kWeaponSwitchLabels));
  MarkerList combatStops{kCombatSkillsTitle};
  combatStops.insert(combatStops.end(), weaponSwitch.begin(), weaponSwitch.end());
  combatStops.push_back(kOtherSkillsTitle);
  MarkerList switchStops = weaponSwitch;
  switchStops.push_back(kOtherSkillsTitle);

  std::vector<Section> sections;
  sections.push_back({{kCombatSkillsTitle}, stopsFrom(combatStops, 0), WriteCombatSkills});
  sections.push_back({weaponSwitch, stopsFrom(switchStops, 0), WriteConditionalSwitches});
  sections.push_back({{kOtherSkillsTitle}, stopsFrom({kOtherSkillsTitle}, 0), WriteOtherSkills});
  for (std::size_t i = 0; i < later.size(); ++i)
    sections.push_back({{later[i].marker}, stopsFrom({}, i), later[i].convert});
  return sections;
}

}  // namespace

void WalkSections(ConverterRun& run) {
  using report::kEncyclopediaTitle, report::kSheetTitle;
  Search(run, {{kEncyclopediaTitle}, {kEncyclopediaTitle, kSheetTitle}, WriteEncyclopediaNotes});

  // The branch runs when the character-sheet search found its marker.
  const Section sheet{{kSheetTitle}, {kSheetTitle}, WriteCharacterSheet};
  run.ReadUntilAny(sheet.stops);
  const bool hasSheet = run.HoldsAny(sheet.own);
  if (!hasSheet) return;
  if (sheet.convert) sheet.convert(run);

  for (const Section& s : BranchSections(run.layout)) Search(run, s);

  // The bank safe and the item change lists follow the carried items.
  ConvertItemChanges(run);
}

}  // namespace qv
