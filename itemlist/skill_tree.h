// The fixed layout of the mind-skill tree: skills 501 to 561 in number
// order, ten rows, seven columns (attack, defence, wizard, priest, psi,
// mind, other). A span of 0 is a single column.
#pragma once

#include <array>
#include <string_view>

#include "text/cp1250.h"

namespace qv {

struct SkillTreeCell {
  int number;
  std::string_view name;  // Windows-1250
  int span;
};

inline constexpr std::array<int, 10> kSkillTreeRowSizes = {1, 4, 7, 7, 7, 7, 7, 7, 7, 7};

inline constexpr std::array<SkillTreeCell, 61> kSkillTree = {{
    {501, "tudati portya"_cp, 7},
    {502, "auraerősítés"_cp, 2},
    {503, "kedvenc táborhely"_cp, 2},
    {504, "elmetágítás"_cp, 0},
    {505, "tudatforrás"_cp, 2},
    {506, "tudati gyorsítás I."_cp, 0},
    {507, "kőbőr"_cp, 0},
    {508, "varázslómester I."_cp, 0},
    {509, "közös ima I."_cp, 0},
    {510, "tudati retesz"_cp, 0},
    {511, "tudatkinézis II."_cp, 0},
    {512, "mentális felfrissülés"_cp, 0},
    {513, "tudati gyorsítás II."_cp, 0},
    {514, "tudati kitérés I."_cp, 0},
    {515, "manaszívás"_cp, 0},
    {516, "a hit ereje"_cp, 0},
    {517, "tudati kontaktus"_cp, 0},
    {518, "tudati kincstár"_cp, 0},
    {519, "tudati ismétlés"_cp, 0},
    {520, "tudati gyorsítás III."_cp, 0},
    {521, "tudati kitérés II."_cp, 0},
    {522, "taumaturgia mentor"_cp, 0},
    {523, "hitbéli mentor"_cp, 0},
    {524, "pszi regeneráció II."_cp, 0},
    {525, "tudati ostrom"_cp, 0},
    {526, "vakmerőség"_cp, 0},
    {527, "tudati erősítés"_cp, 0},
    {528, "regeneráció"_cp, 0},
    {529, "manaretesz"_cp, 0},
    {530, "isteni védelem"_cp, 0},
    {531, "mentális roncsolás"_cp, 0},
    {532, "tudati segítség"_cp, 0},
    {533, "gyűjtögető életmód"_cp, 0},
    {534, "tudati erősítés II."_cp, 0},
    {535, "pajzshasználat"_cp, 0},
    {536, "varázslómester II."_cp, 0},
    {537, "a hit ereje II."_cp, 0},
    {538, "tudati kontaktus II."_cp, 0},
    {539, "tudati ostrom II."_cp, 0},
    {540, "halhatatlanság"_cp, 0},
    {541, "a düh vérvörös köde"_cp, 0},
    {542, "pajzshasználat II."_cp, 0},
    {543, "mágikus vámpirizáció"_cp, 0},
    {544, "gyógyítómester"_cp, 0},
    {545, "elmerombolás"_cp, 0},
    {546, "tudati védelem"_cp, 0},
    {547, "nyakláncviselés"_cp, 0},
    {548, "kritikus találat"_cp, 0},
    {549, "pajzshasználat III."_cp, 0},
    {550, "varázslómester IV."_cp, 0},
    {551, "isteni ítélet"_cp, 0},
    {552, "elmemester"_cp, 0},
    {553, "totemmester"_cp, 0},
    {554, "tudati cserkészés"_cp, 0},
    {555, "bénító sebzés"_cp, 0},
    {556, "pajzshasználat IV."_cp, 0},
    {557, "varázslómester V."_cp, 0},
    {558, "isteni áldás"_cp, 0},
    {559, "tudatáthelyezés"_cp, 0},
    {560, "tudatunk hatalma"_cp, 0},
    {561, "kincsvadászat"_cp, 0},
}};

}  // namespace qv
