#include "app/run.h"

#include "app/layout.h"
#include "app/usage.h"
#include "convert/driver.h"
#include "download/download_session.h"
#include "itemlist/item_list_page.h"
#include "platform/clock.h"
#include "platform/desktop_open.h"
#include "platform/dir_listing.h"
#include "platform/environment.h"
#include "platform/terminal_input.h"
#include "site/file_names.h"
#include "site/site.h"
#include "text/text.h"

namespace qv {
namespace {

void ConvertOne(Session& session, const std::string& fileName) {
  if (TurnReportLayout(fileName) == Layout::kRtf)
    rtf::ConvertReport(session.ctx, session.converters, fileName);
  else
    rtfuj::ConvertReport(session.ctx, session.converters, fileName);
}

// The page's map applets are read as the report's layout holds them;
// TurnReportLayout refuses a file that is no turn report before the page is
// begun.
void BuildPage(Session& session, const std::string& fileName) {
  BuildItemListPage(session.ctx, session.pages, fileName, TurnReportLayout(fileName));
}

// The download hands the report it stored to the item-list page of this
// run, and the page to the desktop.
void Download(Session& session) {
  session.pages.CheckIniOption(session.ctx.programDir);  // before anything is downloaded
  DownloadSteps steps;
  steps.site = [&session] { return ConfiguredSite(session.ctx.programDir); };
  steps.buildPage = [&session](const std::string& report) { BuildPage(session, report); };
  steps.password = [](bool mayAsk) {
    std::string password = EnvironmentText("QVFORMAT_PASSWORD");
    if (password.empty() && mayAsk && InputIsTerminal()) password = ReadHiddenLine("Jelszo: ");
    return password;
  };
  steps.open = OpenOnDesktop;
  DownloadTurn(session.ctx, DownloadOptionsFrom(session.args), steps);
}

void BatchRun(Session& session, const ModeHandlers& handlers) {
  RunContext& ctx = session.ctx;
  const bool itemList = session.args.HasOption("/t");
  int counter = 0;
  for (const std::string& name : handlers.listDirectory()) {
    if (!TakenByBatch(name)) continue;
    ctx.console.LineWithName(BatchLinePrefix(++counter), name);
    if (itemList) {
      handlers.itemList(session, name);
    } else if (RtfOutputName(name).empty()) {
      // Its document would go to standard output, among these lines.
      ctx.console.ErrorLine("qvformat: skipping '" + name +
                            "': no document name can be made of it, as its first \"_\" stands "
                            "after its first \".\"");
    } else {
      handlers.convert(session, name);
    }
  }
}

}  // namespace

ModeHandlers DefaultHandlers() {
  ModeHandlers h;
  h.convert = ConvertOne;
  h.itemList = BuildPage;
  h.download = Download;
  h.listDirectory = [] { return ListDirectory("."); };
  h.timeText = TimeText;
  return h;
}

bool TakenByBatch(const std::string& name) {
  return Contains(name, "_") && Contains(AsciiUpperCase(name), ".HTM");
}

std::string BatchLine(int counter, const std::string& name) {
  return BatchLinePrefix(counter) + name;
}

std::string BatchLinePrefix(int counter) {
  return PadLeft(std::to_string(counter), 4) + ". Filenev: ";
}

Mode ChooseMode(const CommandLine& args) {
  const int n = args.Count();
  if (args.HasOption("/o")) return Mode::kDownload;
  if (args.HasOption("/t") && !args.HasOption("/k") && n > 1) return Mode::kItemList;
  if (args.HasOption("/k")) return Mode::kBatch;
  if (n > 0) return Mode::kSingle;
  return Mode::kNone;
}

DownloadOptions DownloadOptionsFrom(const CommandLine& args) {
  DownloadOptions o;
  o.user = args.OptionValue("/user");
  o.password = args.OptionValue("/pass");
  o.character = args.OptionValue("/kar");
  o.turn = args.OptionValue("/ford");
  o.downloadOnly = args.HasOption("/letolt");
  return o;
}

void RunTool(Session& session, const ModeHandlers& handlers) {
  RunContext& ctx = session.ctx;
  const CommandLine& args = session.args;
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
    case Mode::kDownload: handlers.download(session); break;
    case Mode::kItemList: handlers.itemList(session, args.Param(args.Count())); break;
    case Mode::kBatch:
      BatchRun(session, handlers);
      ctx.console.Line(startLine);
      break;
    case Mode::kSingle:
      handlers.convert(session, args.Param(1));
      ctx.console.Line(startLine);
      break;
    case Mode::kNone: break;
  }

  ctx.console.Line("Befejezes ideje: " + handlers.timeText());
}

}  // namespace qv
