#include "itemlist/page_setup.h"

namespace qv {

PageSetup LoadPageSetup(const RunContext& ctx, const ItemListSettings& settings) {
  PageSetup s;
  s.programDir = ctx.programDir;
  s.encyclopediaHost = settings.encyclopediaHost;
  s.settings = settings.settings;
  s.groups = settings.groups;
  s.itemsPath = DataFilePath(s.programDir, "item.txt", "items.txt");
  s.items = ReadItemFile(s.itemsPath, &ctx.console);
  s.spells = ReadSpellFile(DataFilePath(s.programDir, "spell.txt", "spells.txt"), &ctx.console);
  return s;
}

const PageSetup& PageSetupCache::Get(const RunContext& ctx, const ItemListSettings& settings) {
  if (!setup_) setup_ = LoadPageSetup(ctx, settings);
  return *setup_;
}

}  // namespace qv
