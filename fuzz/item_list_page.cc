// Fuzz target: the item-list page of any report, read as either layout,
// with the shipped settings and data lists (read once, as a batch run reads
// them). Without pictures beside the executable the maps end in a warning
// before anything is drawn.
#include <cstdint>
#include <string>

#include "config/site.h"
#include "fuzz/fuzz_support.h"
#include "itemlist/item_list_page.h"
#include "platform/error.h"
#include "tests/support/consoles.h"
#include "tests/support/files.h"
#include "tests/support/scratch_dir.h"

namespace {

struct PageScratch {
  PageScratch() {
    exe.Write("qvformat.ini", qv::test::SourceFile("assets/qvformat.ini"));
    exe.Write("item.txt", qv::test::SourceFile("assets/item.txt"));
    exe.Write("spell.txt", qv::test::SourceFile("assets/spell.txt"));
  }
  qv::test::TempDir exe;      // the executable's directory
  qv::test::TempDir reports;  // where the report and its page go
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const PageScratch scratch;
  static qv::test::SilentConsole console;
  static qv::RunContext ctx{console, scratch.exe.path() + "/"};
  static qv::PageSetupCache setup;
  static const qv::ItemListSettings settings = qv::ReadItemListSettings(
      qv::IniFile(scratch.exe.path() + "/qvformat.ini"), qv::SiteSettings().host);

  const std::string report = scratch.reports.Write("r_1.htm", qv::fuzz::AsText(data, size));
  // Each input is read as either layout: their item tables and active
  // spells are read differently.
  for (const qv::Layout layout : {qv::Layout::kOlder, qv::Layout::kNewer}) {
    try {
      qv::ReportReader reader(report);
      qv::BuildItemListPage(ctx, setup, reader, layout, settings);
    } catch (const qv::Error&) {
      // refused with a message: a finished run
    }
  }
  return 0;
}
