#include "app/run.h"

#include "app/layout.h"
#include "app/usage.h"
#include "convert/driver.h"
#include "download/download_session.h"
#include "itemlist/item_list_page.h"
#include "platform/clock.h"
#include "platform/dir_listing.h"
#include "rtfkit/text.h"

namespace qv {
namespace {

void ConvertOne(RunContext& ctx, const std::string& fileName) {
  if (DetectLayout(fileName) == Layout::kRtf)
    rtf::ConvertReport(ctx, fileName);
  else
    rtfuj::ConvertReport(ctx, fileName);
}

void BatchRun(RunContext& ctx, const ModeHandlers& handlers) {
  const bool itemList = ctx.args.HasOption("/t");
  int counter = 0;
  for (const std::string& name : handlers.listDirectory()) {
    if (!TakenByBatch(name)) continue;
    ctx.console.Line(BatchLine(++counter, name));
    if (itemList)
      handlers.itemList(ctx, name);
    else
      handlers.convert(ctx, name);
  }
}

}  // namespace

ModeHandlers DefaultHandlers() {
  ModeHandlers h;
  h.convert = ConvertOne;
  h.itemList = BuildItemListPage;
  h.download = DownloadTurn;
  h.listDirectory = [] { return ListDirectory("."); };
  h.timeText = TimeText;
  return h;
}

bool TakenByBatch(const std::string& name) {
  return Contains(name, "_") && Contains(AsciiUpperCase(name), ".HTM");
}

std::string BatchLine(int counter, const std::string& name) {
  return PadLeft(std::to_string(counter), 4) + ". Filenev: " + name;
}

void RunTool(RunContext& ctx, const ModeHandlers& handlers) {
  const CommandLine& args = ctx.args;
  const int n = args.Count();

  // The banner has no text: nothing is printed for it.
  if (n == 0)
    for (const std::string& line : UsageLines(SiteDomain(ctx.programDir))) ctx.console.Line(line);

  const std::string startLine = "Indulas ideje: " + handlers.timeText();
  ctx.console.Line(startLine);

  if (args.HasOption("/o")) {
    handlers.download(ctx);
  } else if (args.HasOption("/t") && !args.HasOption("/k") && n > 1) {
    handlers.itemList(ctx, args.Param(n));
  } else if (args.HasOption("/k")) {
    BatchRun(ctx, handlers);
    ctx.console.Line(startLine);
  } else if (n > 0) {
    handlers.convert(ctx, args.Param(1));
    ctx.console.Line(startLine);
  }

  ctx.console.Line("Befejezes ideje: " + handlers.timeText());
}

}  // namespace qv
