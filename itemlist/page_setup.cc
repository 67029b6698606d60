#include "itemlist/page_setup.h"

#include "site/site.h"

namespace qv {

PageSetup LoadPageSetup(const RunContext& ctx, const std::string& iniOption) {
  PageSetup s;
  s.programDir = ctx.programDir;
  s.encyclopediaHost = SiteHost(ctx.programDir);
  const IniFile ini(PageSettingsPath(iniOption, ctx.programDir), &ctx.console);
  s.settings = ReadPageSettings(ini, s.encyclopediaHost);
  s.groups = ReadItemGroups(ini, s.settings.groupCount);
  s.itemsPath = DataFilePath(s.programDir, "item.txt", "items.txt");
  s.items = ReadItemFile(s.itemsPath, &ctx.console);
  s.spells = ReadSpellFile(DataFilePath(s.programDir, "spell.txt", "spells.txt"), &ctx.console);
  return s;
}

const PageSetup& PageSetupCache::Get(const RunContext& ctx) {
  if (!setup_) setup_ = LoadPageSetup(ctx, iniOption_);
  return *setup_;
}

}  // namespace qv
