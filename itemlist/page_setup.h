// What every item-list page of one run shares: the settings, the item
// groups, the item and spell lists, the executable's directory, and the
// pictures and the font the maps are drawn with.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "itemlist/data_files.h"
#include "itemlist/page_settings.h"
#include "maps/map_resources.h"
#include "platform/run_context.h"

namespace qv {

struct PageSetup {
  std::string programDir;        // with its trailing "/"
  std::string encyclopediaHost;  // the game site's host, for the links
  PageSettings settings;
  std::vector<ItemGroup> groups;
  std::string itemsPath;  // the item list read, for messages
  ItemCatalog items;
  SpellCatalog spells;
};

// Reads the settings file (PageSettingsPath of iniOption), the groups,
// "item.txt" (else "items.txt") and "spell.txt" (else "spells.txt") as
// DataFilePath finds them; characters Windows-1250 lacks are warned about on
// the console. Throws qv::Error when a data file cannot be found or read, or
// a "/ini=" file is found nowhere; a missing qvformat.ini gives the defaults.
PageSetup LoadPageSetup(const RunContext& ctx, const std::string& iniOption);

// Loads the setup on the first Get() and hands out the same one afterwards:
// one run builds every page (a batch run too) with one set. The maps'
// pictures and font are loaded at the first map and kept alike.
class PageSetupCache {
 public:
  explicit PageSetupCache(std::string iniOption = "") : iniOption_(std::move(iniOption)) {}
  const PageSetup& Get(const RunContext& ctx);
  bool loaded() const { return setup_.has_value(); }
  // Throws as Get() would when the "/ini=" file is found nowhere, so that a
  // run can stop before it writes anything.
  void CheckIniOption(const std::string& programDir) const {
    if (!iniOption_.empty()) PageSettingsPath(iniOption_, programDir);
  }
  MapResources& maps() { return maps_; }

 private:
  std::string iniOption_;  // the "/ini=" value, empty without one
  std::optional<PageSetup> setup_;
  MapResources maps_;
};

}  // namespace qv
