#include "itemlist/page_setup.h"

#include "download/download_session.h"

namespace qv {

PageSetup LoadPageSetup(const RunContext& ctx) {
  PageSetup s;
  s.programDir = ctx.programDir;
  s.encyclopediaHost = SiteHost(ctx.programDir);
  const IniFile ini(PageSettingsPath(ctx.args, ctx.programDir));
  s.settings = ReadPageSettings(ini, s.encyclopediaHost);
  s.groups = ReadItemGroups(ini, s.settings.groupCount);
  s.items = ReadItemFile(DataFilePath(s.programDir, "item.txt", "items.txt"));
  s.spells = ReadSpellFile(DataFilePath(s.programDir, "spell.txt", "spells.txt"));
  return s;
}

const PageSetup& PageSetupCache::Get(const RunContext& ctx) {
  if (!setup_) setup_ = LoadPageSetup(ctx);
  return *setup_;
}

PageSetupCache& ProcessPageSetup() {
  static PageSetupCache cache;
  return cache;
}

}  // namespace qv
