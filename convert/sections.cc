#include "convert/sections.h"

#include <functional>
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

// Markers of the sections from the development points on, in walk order;
// each of these searches stops at its own marker and every later one.
Markers LaterMarkers(Layout layout) {
  if (layout == Layout::kRtf)
    return {"FEJLESZTÉSI PONTOK"_cp,
            "FELTÉTELES PARANCSOK"_cp,
            "COLSPAN=3>VARÁZSLATAID"_cp,
            "COLSPAN=4>JELENLEG RAJTAD LEVŐ"_cp,
            "COLSPAN=7>TÁMADÓ ÉS"_cp,
            ">ELFOGOTT SZÖRNYEID"_cp,
            ">ISTENI KÜLDETÉSEID"_cp,
            ">HŐSTETTEID"_cp,
            "KT-d eddig kifejlesztett képességei:<"_cp,
            "COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK"_cp};
  return {"FEJLESZTÉSI PONTOK"_cp,           "FELTÉTELES PARANCSOK"_cp,
          "COLSPAN=3>VARÁZSLATAID"_cp,       "COLSPAN=4>JELENLEG RAJTAD LEVŐ"_cp,
          "COLSPAN=7>TÁMADÓ ÉS"_cp,          "COLSPAN=4>ELFOGOTT SZÖRNYEID"_cp,
          "COLSPAN=4>ISTENI KÜLDETÉSEID"_cp, "COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK"_cp};
}

using Converter = void (*)(ConverterRun&);

// The converter of a later section, by its marker; nullptr while it has none.
Converter LaterConverter(Layout layout, std::string_view marker) {
  const bool old = layout == Layout::kRtf;
  if (marker == "FEJLESZTÉSI PONTOK"_cp)
    return old ? rtf::WriteDevelopmentPoints : rtfuj::WriteDevelopmentPoints;
  if (marker == "FELTÉTELES PARANCSOK"_cp)
    return old ? rtf::WriteConditionalCommands : rtfuj::WriteConditionalCommands;
  if (marker == "COLSPAN=3>VARÁZSLATAID"_cp) return old ? rtf::WriteSpells : rtfuj::WriteSpells;
  if (marker == "COLSPAN=4>JELENLEG RAJTAD LEVŐ"_cp)
    return old ? rtf::WriteCurrentEffects : rtfuj::WriteCurrentEffects;
  if (marker == "COLSPAN=7>TÁMADÓ ÉS"_cp)
    return old ? rtf::WriteAttackDefenceSpells : rtfuj::WriteAttackDefenceSpells;
  if (marker == ">ELFOGOTT SZÖRNYEID"_cp) return rtf::WriteCapturedMonsters;
  if (marker == "COLSPAN=4>ELFOGOTT SZÖRNYEID"_cp) return rtfuj::WriteCapturedMonsters;
  if (marker == ">ISTENI KÜLDETÉSEID"_cp) return rtf::WriteDivineQuests;
  if (marker == "COLSPAN=4>ISTENI KÜLDETÉSEID"_cp) return rtfuj::WriteDivineQuests;
  if (marker == ">HŐSTETTEID"_cp) return rtf::WriteHeroicDeeds;
  if (marker == "KT-d eddig kifejlesztett képességei:<"_cp) return rtf::WriteMindSkills;
  if (marker == "COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK"_cp)
    return old ? rtf::ConvertItems : rtfuj::ConvertItems;
  return nullptr;
}

// The character-sheet branch, in walk order.
std::vector<Section> BranchSections(Layout layout) {
  const std::string_view weaponSwitch[] = {"Feltételes fegyverváltás:"_cp,
                                           "Feltételes lőfegyver használat:"_cp,
                                           "Óvatosság (labirintusokban):"_cp};
  const bool old = layout == Layout::kRtf;
  const Markers later = LaterMarkers(layout);
  // Every search stops at its own marker, those of the sections after it
  // and those of the sections after the items, so that a report without
  // some of them (a character who carries nothing, say) keeps what follows.
  const Markers afterItems = MarkersAfterItems(layout);
  auto stopsFrom = [&](Markers stops, std::size_t firstLater) {
    stops.insert(stops.end(), later.begin() + firstLater, later.end());
    stops.insert(stops.end(), afterItems.begin(), afterItems.end());
    return stops;
  };
  std::vector<Section> sections;
  sections.push_back({{"HARCI ISMERETEK"_cp},
                      stopsFrom({"HARCI ISMERETEK"_cp, weaponSwitch[0], weaponSwitch[1],
                                 weaponSwitch[2], "EGYÉB ISMERETEK"_cp},
                                0),
                      old ? rtf::WriteCombatSkills : rtfuj::WriteCombatSkills});
  sections.push_back({{weaponSwitch[0], weaponSwitch[1], weaponSwitch[2]},
                      stopsFrom({weaponSwitch[0], weaponSwitch[1], weaponSwitch[2],
                                 "EGYÉB ISMERETEK"_cp},
                                0),
                      old ? rtf::WriteConditionalSwitches : rtfuj::WriteConditionalSwitches});
  sections.push_back({{"EGYÉB ISMERETEK"_cp},
                      stopsFrom({"EGYÉB ISMERETEK"_cp}, 0),
                      old ? rtf::WriteOtherSkills : rtfuj::WriteOtherSkills});
  for (std::size_t i = 0; i < later.size(); ++i)
    sections.push_back({{later[i]}, stopsFrom({}, i), LaterConverter(layout, later[i])});
  return sections;
}

}  // namespace

void WalkSections(ConverterRun& run) {
  Search(run, {{"ENCYCLOPEDIA FANTASIA"},
               {"ENCYCLOPEDIA FANTASIA", "KARAKTERLAP"},
               WriteEncyclopediaNotes});

  // The branch runs when the character-sheet search found its marker.
  const Section sheet{
      {"KARAKTERLAP"},
      {"KARAKTERLAP"},
      run.layout == Layout::kRtf ? rtf::WriteCharacterSheet : rtfuj::WriteCharacterSheet};
  run.ReadUntilAny(sheet.stops);
  const bool hasSheet = run.HoldsAny(sheet.own);
  if (!hasSheet) return;
  if (sheet.convert) sheet.convert(run);

  for (const Section& s : BranchSections(run.layout)) Search(run, s);

  // The bank safe and the item change lists follow the carried items.
  if (run.layout == Layout::kRtf)
    rtf::ConvertItemChanges(run);
  else
    rtfuj::ConvertItemChanges(run);
}

}  // namespace qv
