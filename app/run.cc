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
  if (DetectLayout(fileName) == Variant::kRtf)
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

Mode ChooseMode(const CommandLine& args) {
  const int n = args.Count();
  if (args.HasOption("/o")) return Mode::kDownload;
  if (args.HasOption("/t") && !args.HasOption("/k") && n > 1) return Mode::kItemList;
  if (args.HasOption("/k")) return Mode::kBatch;
  if (n > 0) return Mode::kSingle;
  return Mode::kNone;
}

void RunTool(RunContext& ctx, const ModeHandlers& handlers) {
  const CommandLine& args = ctx.args;
  const Mode mode = ChooseMode(args);

  // A single conversion whose document goes to standard output keeps the
  // whole console on the error stream, from the first start line on.
  if (mode == Mode::kSingle && RtfOutputName(args.Param(1)).empty())
    ctx.console.SetMessagesToErrorStream(true);

  // The banner has no text: nothing is printed for it.
  if (args.Count() == 0)
    for (const std::string& line : UsageLines(SiteDomain(ctx.programDir))) ctx.console.Line(line);

  const std::string startLine = "Indulas ideje: " + handlers.timeText();
  ctx.console.Line(startLine);

  switch (mode) {
    case Mode::kDownload:
      handlers.download(ctx);
      break;
    case Mode::kItemList:
      handlers.itemList(ctx, args.Param(args.Count()));
      break;
    case Mode::kBatch:
      BatchRun(ctx, handlers);
      ctx.console.Line(startLine);
      break;
    case Mode::kSingle:
      handlers.convert(ctx, args.Param(1));
      ctx.console.Line(startLine);
      break;
    case Mode::kNone:
      break;
  }

  ctx.console.Line("Befejezes ideje: " + handlers.timeText());
}

}  // namespace qv
