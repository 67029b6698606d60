// What the item-list page is given of the settings: keys of FORMAT,
// FORMAT_FIGYELES, FORMAT_TARGYCSOPORT and the CSOPORTn item groups of
// qvformat.ini (or of the file named by "/ini=", config/settings_file.h),
// and the game site's host its links point at.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/settings.h"

namespace qv {

struct PageSettings {
  int tooHeavyKg = 0;             // TulNagySuly: totals above it are red; < 1 never
  std::string noteClass;          // Kiemeles: class of the weight/price note
  int groupCount = 0;             // CsoportokSzama
  std::string itemLink;           // TargyEncLink: start of an encyclopedia link
  std::string itemLinkExt;        // TargyEncLinkExt: its end
  std::string watchedBackground;  // HatterSzin
  std::string harmfulSpells;      // ArtoSpellek: comma-separated numbers
  std::string watchedSpells;      // FigyeltSpellek: comma-separated numbers
  std::string watchedItems;       // FigyeltTargyak: "number<limit" or "number>limit" entries
  std::string watchedItemColour;  // FigyeltTargyakSzin
};

// One item group: its title and its numbers with every blank removed and a
// "," on both sides, so that a number belongs when ",n," is in the text.
struct ItemGroup {
  std::string name;
  std::string numbers;
  bool Holds(int number) const;
  // The texts between two neighbouring commas of `numbers`, left to right:
  // Holds(n) is true exactly when the decimal text of n is one of them.
  std::vector<std::string_view> Entries() const;
};

// Every key with its default; the encyclopedia link's default points at
// encyclopediaHost.
PageSettings ReadPageSettings(const IniFile& ini, const std::string& encyclopediaHost);

// The most item groups a page is built with. Each group costs a table of
// its own and a pass over the page's items; ten thousand are far more than
// anyone sorts a character's possessions into, and still build quickly.
inline constexpr int kMaxItemGroups = 10000;

// Sections CSOPORT1 ... CSOPORTcount, in that order; none when count is 0
// or less. A count above kMaxItemGroups throws qv::Error naming the file.
std::vector<ItemGroup> ReadItemGroups(const IniFile& ini, int count);

// Everything the page is given: its keys and groups and the site's host.
struct ItemListSettings {
  std::string encyclopediaHost;  // the game site's host, for the links
  PageSettings settings;
  std::vector<ItemGroup> groups;
};

// ReadPageSettings and ReadItemGroups of `ini`, the page's settings file.
ItemListSettings ReadItemListSettings(const IniFile& ini, const std::string& encyclopediaHost);

// What a settings file without any of the keys gives, with the placeholder
// site.
ItemListSettings DefaultItemListSettings();

}  // namespace qv
