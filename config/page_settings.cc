#include "config/page_settings.h"

#include "config/site.h"
#include "platform/error.h"
#include "text/text.h"

namespace qv {

bool ItemGroup::Holds(int number) const {
  std::string key(1, ',');
  key += std::to_string(number);
  key += ',';
  return Contains(numbers, key);
}

std::vector<std::string_view> ItemGroup::Entries() const {
  std::vector<std::string_view> entries;
  const std::string_view text(numbers);
  std::size_t comma = text.find(',');
  while (comma != std::string_view::npos) {
    const std::size_t next = text.find(',', comma + 1);
    if (next == std::string_view::npos) break;
    entries.push_back(text.substr(comma + 1, next - comma - 1));
    comma = next;
  }
  return entries;
}

PageSettings ReadPageSettings(const IniFile& ini, const std::string& encyclopediaHost) {
  PageSettings s;
  s.tooHeavyKg = ini.ReadInteger("FORMAT", "TulNagySuly", 0);
  s.noteClass = ini.ReadString("FORMAT", "Kiemeles", "vpkap");
  s.groupCount = ini.ReadInteger("FORMAT_TARGYCSOPORT", "CsoportokSzama", 0);
  s.itemLink = ini.ReadString("FORMAT", "TargyEncLink",
                              "http://" + encyclopediaHost + "/weblumen/targy_enc.php?");
  s.itemLinkExt = ini.ReadString("FORMAT", "TargyEncLinkExt", ".htm");
  s.watchedBackground = ini.ReadString("FORMAT_FIGYELES", "HatterSzin", "");
  s.harmfulSpells = ini.ReadString("FORMAT_FIGYELES", "ArtoSpellek", "");
  s.watchedSpells = ini.ReadString("FORMAT_FIGYELES", "FigyeltSpellek", "");
  s.watchedItems = ini.ReadString("FORMAT_FIGYELES", "FigyeltTargyak", "");
  s.watchedItemColour = ini.ReadString("FORMAT_FIGYELES", "FigyeltTargyakSzin", "#C43157");
  return s;
}

std::vector<ItemGroup> ReadItemGroups(const IniFile& ini, int count) {
  if (count > kMaxItemGroups)
    throw Error(error_kind::kSettings, "'" + ini.path() + "' " + std::to_string(count) +
                                           " targycsoportot ker (CsoportokSzama); legfeljebb " +
                                           std::to_string(kMaxItemGroups) + " keszitheto");
  std::vector<ItemGroup> groups;
  for (int n = 1; n <= count; ++n) {
    const std::string section = "CSOPORT" + std::to_string(n);
    ItemGroup g;
    g.name = ini.ReadString(section, "Nev", "");
    g.numbers.assign(1, ',');
    g.numbers += ReplaceAll(" ", "", ini.ReadString(section, "Szam", ""));
    g.numbers += ',';
    groups.push_back(std::move(g));
  }
  return groups;
}

ItemListSettings ReadItemListSettings(const IniFile& ini, const std::string& encyclopediaHost) {
  ItemListSettings s;
  s.encyclopediaHost = encyclopediaHost;
  s.settings = ReadPageSettings(ini, encyclopediaHost);
  s.groups = ReadItemGroups(ini, s.settings.groupCount);
  return s;
}

ItemListSettings DefaultItemListSettings() {
  return ReadItemListSettings(IniFile(), SiteSettings().host);
}

}  // namespace qv
