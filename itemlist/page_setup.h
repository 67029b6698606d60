// What every item-list page of one run shares: the settings, the item
// groups, the item and spell lists and the executable's directory. They are
// read when the first page is built and kept, unchanged, for every later
// page of the process (a batch run uses one set for all reports).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/run_context.h"
#include "itemlist/data_files.h"
#include "itemlist/page_settings.h"

namespace qv {

struct PageSetup {
  std::string programDir;        // with its trailing "/"
  std::string encyclopediaHost;  // the game site's host, for the links
  PageSettings settings;
  std::vector<ItemGroup> groups;
  ItemCatalog items;
  SpellCatalog spells;
};

// Reads the settings file, the groups, "item.txt" (else "items.txt") and
// "spell.txt" (else "spells.txt") from the executable's directory. Throws
// qv::Error when a data file cannot be opened; a missing settings file gives
// the defaults.
PageSetup LoadPageSetup(const RunContext& ctx);

// Loads the setup on the first Get() and hands out the same one afterwards.
class PageSetupCache {
 public:
  const PageSetup& Get(const RunContext& ctx);
  bool loaded() const { return setup_.has_value(); }

 private:
  std::optional<PageSetup> setup_;
};

// The cache of this process. It lives for the whole run: a function-local
// static, created on first use and never reset.
PageSetupCache& ProcessPageSetup();

}  // namespace qv
