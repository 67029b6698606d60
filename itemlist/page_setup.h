// What every item-list page of one run shares: the settings, the item
// groups, the item and spell lists, the executable's directory, and the
// pictures and the font the maps are drawn with.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/file_places.h"
#include "config/page_settings.h"
#include "itemlist/data_files.h"
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

// Takes the settings the run read, and reads "item.txt" (else "items.txt")
// and "spell.txt" (else "spells.txt") as DataFilePath finds them;
// characters Windows-1250 lacks are warned about on the console. Throws
// qv::Error when a data file cannot be found or read.
PageSetup LoadPageSetup(const RunContext& ctx, const ItemListSettings& settings);

// Loads the setup on the first Get() and hands out the same one afterwards:
// one run builds every page (a batch run too) with one set. The maps'
// pictures (found by FindPicture) and font are loaded at the first map and
// kept alike.
class PageSetupCache {
 public:
  const PageSetup& Get(const RunContext& ctx, const ItemListSettings& settings);
  bool loaded() const { return setup_.has_value(); }
  MapResources& maps() { return maps_; }

 private:
  std::optional<PageSetup> setup_;
  MapResources maps_{FindPicture, LabelFontNoteFile()};
};

}  // namespace qv
