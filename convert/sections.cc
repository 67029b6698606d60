#include "convert/sections.h"

#include <functional>
#include <string_view>
#include <vector>

#include "convert/character_sheet.h"
#include "convert/encyclopedia.h"
#include "convert/skill_tables.h"
#include "rtfkit/cp1250.h"

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

bool HoldsAny(const ConverterRun& run, const Markers& markers) {
  for (std::string_view m : markers)
    if (run.CurrentHolds(m)) return true;
  return false;
}

void Search(ConverterRun& run, const Section& s) {
  while (!run.Eof() && !HoldsAny(run, s.stops)) run.ReadLine();
  if (HoldsAny(run, s.own) && s.convert) s.convert(run);
}

// Markers of the sections from the development points on, in walk order;
// each of these searches stops at its own marker and every later one.
Markers LaterMarkers(Variant v) {
  if (v == Variant::kRtf)
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
  return {"FEJLESZTÉSI PONTOK"_cp,
          "FELTÉTELES PARANCSOK"_cp,
          "COLSPAN=3>VARÁZSLATAID"_cp,
          "COLSPAN=4>JELENLEG RAJTAD LEVŐ"_cp,
          "COLSPAN=7>TÁMADÓ ÉS"_cp,
          "COLSPAN=4>ELFOGOTT SZÖRNYEID"_cp,
          "COLSPAN=4>ISTENI KÜLDETÉSEID"_cp,
          "COLSPAN=9>NÁLAD LÉVŐ TÁRGYAK"_cp};
}

// Gives the section whose own marker is `marker` its converter.
void SetConverter(std::vector<Section>& sections, std::string_view marker,
                  std::function<void(ConverterRun&)> convert) {
  for (Section& s : sections)
    if (s.own.front() == marker) s.convert = convert;
}

// The character-sheet branch, in walk order.
std::vector<Section> BranchSections(Variant v) {
  const std::string_view weaponSwitch[] = {"Feltételes fegyverváltás:"_cp,
                                           "Feltételes lőfegyver használat:"_cp,
                                           "Óvatosság (labirintusokban):"_cp};
  const bool old = v == Variant::kRtf;
  std::vector<Section> sections;
  sections.push_back({{"HARCI ISMERETEK"_cp}, {"HARCI ISMERETEK"_cp},
                      old ? rtf::WriteCombatSkills : rtfuj::WriteCombatSkills});
  sections.push_back({{weaponSwitch[0], weaponSwitch[1], weaponSwitch[2]},
                      {weaponSwitch[0], weaponSwitch[1], weaponSwitch[2], "EGYÉB ISMERETEK"_cp},
                      old ? rtf::WriteConditionalSwitches : rtfuj::WriteConditionalSwitches});
  sections.push_back({{"EGYÉB ISMERETEK"_cp}, {"EGYÉB ISMERETEK"_cp},
                      old ? rtf::WriteOtherSkills : rtfuj::WriteOtherSkills});
  const Markers later = LaterMarkers(v);
  // The items search stops only at its own marker, which is also the last of
  // the later markers, so one rule serves every section from here on.
  for (std::size_t i = 0; i < later.size(); ++i)
    sections.push_back({{later[i]}, Markers(later.begin() + i, later.end()), nullptr});
  SetConverter(sections, "FEJLESZTÉSI PONTOK"_cp,
               old ? rtf::WriteDevelopmentPoints : rtfuj::WriteDevelopmentPoints);
  SetConverter(sections, "FELTÉTELES PARANCSOK"_cp,
               old ? rtf::WriteConditionalCommands : rtfuj::WriteConditionalCommands);
  return sections;
}

}  // namespace

void WalkSections(ConverterRun& run) {
  Search(run, {{"ENCYCLOPEDIA FANTASIA"}, {"ENCYCLOPEDIA FANTASIA", "KARAKTERLAP"},
               WriteEncyclopediaNotes});

  // The branch runs when the character-sheet search found its marker.
  const Section sheet{{"KARAKTERLAP"}, {"KARAKTERLAP"},
                      run.variant == Variant::kRtf ? rtf::WriteCharacterSheet
                                                   : rtfuj::WriteCharacterSheet};
  while (!run.Eof() && !HoldsAny(run, sheet.stops)) run.ReadLine();
  const bool hasSheet = HoldsAny(run, sheet.own);
  if (!hasSheet) return;
  if (sheet.convert) sheet.convert(run);

  for (const Section& s : BranchSections(run.variant)) Search(run, s);
}

}  // namespace qv
