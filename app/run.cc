#include "app/run.h"

#include "app/atlas_run.h"
#include "app/download_run.h"
#include "app/report_params.h"
#include "app/usage.h"
#include "convert/driver.h"
#include "itemlist/item_list_page.h"
#include "platform/clock.h"
#include "platform/desktop_open.h"
#include "platform/dir_listing.h"
#include "platform/input_file.h"
#include "platform/path_names.h"
#include "platform/wildcard.h"
#include "text/output_names.h"
#include "text/report_reader.h"
#include "text/text.h"
#include "text/turn_report.h"

namespace qv {
namespace {

// The report is opened once: its layout, the check for a cut report and the
// conversion read it through the same reader. TurnReportLayout refuses a
// file that is no turn report before anything is written for it.
void ConvertOne(Session& session, const std::string& fileName) {
  // The label font is looked for while the report is opened and read.
  session.converters.mapResources.LookForFontAhead();
  ReportReader report(fileName);
  const Layout layout = TurnReportLayout(report);
  ConvertReport(session.ctx, session.converters, report, layout, session.settings.Format());
}

// The same for a page, whose map applets are read as the report's layout
// holds them.
void BuildPage(Session& session, const std::string& fileName) {
  ReportReader report(fileName);
  const Layout layout = TurnReportLayout(report);
  BuildItemListPage(session.ctx, session.pages, report, layout, session.settings.ItemList());
}

// The download hands the report it stored to the item-list page of this
// run, and the page to the desktop.
void Download(Session& session) {
  session.settings.CheckIniOption();  // before anything is downloaded
  DownloadRunParts parts;
  parts.password = PasswordFromElsewhere;
  parts.site = [&session] { return ConfiguredSite(session.settings.Site()); };
  parts.buildPage = [&session](const std::string& report) { BuildPage(session, report); };
  parts.updateAtlas = [&session](const std::string& report) {
    UpdateAtlasAfterDownload(session, report);
  };
  parts.open = OpenOnDesktop;
  RunDownload(DownloadOptionsFrom(session.args), parts, session.ctx.console);
}

// Why a numbered run passes a report by (empty: it is taken): its document
// would go to standard output, among the run's lines, or its page would
// overwrite it (the report of a page run given a pattern may be a page).
std::string SkipReason(const std::string& name, bool itemList) {
  const std::string own = name.substr(FileNameStart(name));
  const std::string noUnderscore = "mert a neveben nincs \"_\"";
  if (itemList) return Contains(own, "_") ? "" : "a targylista-oldala felulirna, " + noUnderscore;
  if (!RtfOutputName(name).empty()) return "";
  return "nem kepezheto belole dokumentumnev, " +
         (!Contains(own, "_")   ? noUnderscore
          : !Contains(own, ".") ? std::string("mert a neveben nincs \".\"")
                                : "mert a neveben az elso \"_\" az elso \".\" utan all");
}

// The reports of a batch run or of several parameters, each numbered and
// converted or paged in turn.
void NumberedRun(Session& session, const ModeHandlers& handlers,
                 const std::vector<std::string>& reports) {
  RunContext& ctx = session.ctx;
  const bool itemList = session.args.HasOption("/t");
  int counter = 0;
  for (const std::string& name : reports) {
    ctx.console.LineWithName(BatchLinePrefix(++counter), name);
    const std::string skip = SkipReason(name, itemList);
    if (!skip.empty())
      ctx.console.ErrorLine(WarningText("'" + name + "' kimarad: " + skip));
    else if (itemList)
      handlers.itemList(session, name);
    else
      handlers.convert(session, name);
  }
}

std::vector<std::string> BatchReports(const std::vector<std::string>& listing) {
  std::vector<std::string> reports;
  for (const std::string& name : listing)
    if (TakenByBatch(name)) reports.push_back(name);
  return reports;
}

// The report parameters that name existing files.
int ReportFiles(const std::vector<std::string>& reports, const ModeHandlers& handlers) {
  int files = 0;
  for (const std::string& name : reports) files += handlers.isFile(name) ? 1 : 0;
  return files;
}

}  // namespace

ModeHandlers DefaultHandlers() {
  ModeHandlers h;
  h.convert = ConvertOne;
  h.itemList = BuildPage;
  h.download = Download;
  h.atlas = RunAtlas;
  h.listDirectory = [] { return ListDirectory("."); };
  h.matchingFiles = MatchingFiles;
  h.isFile = FileExists;
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

Mode ChooseMode(const CommandLine& args, int reportFiles) {
  const int n = args.Count();
  if (args.HasOption("/o")) return Mode::kDownload;
  if (args.HasOption("/atlasz")) return Mode::kAtlas;
  if (reportFiles >= 2 && !args.HasOption("/k")) return Mode::kReports;
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
  // Before anything is printed: the console's stream depends on the report.
  const Mode typed = ChooseMode(session.args);
  if (typed == Mode::kItemList || typed == Mode::kSingle || typed == Mode::kAtlas)
    session.args = ExpandReportPatterns(session.args, handlers.matchingFiles, handlers.isFile);
  const CommandLine& args = session.args;
  const std::vector<std::string> reports = ReportParams(args);
  const Mode mode = ChooseMode(args, ReportFiles(reports, handlers));

  // A single conversion whose document goes to standard output keeps the
  // whole console on the error stream, from the first start line on.
  if (mode == Mode::kSingle && RtfOutputName(args.Param(1)).empty())
    ctx.console.SetMessagesToErrorStream(true);

  // The banner has no text: nothing is printed for it.
  if (args.Count() == 0)
    for (const std::string& line : UsageLines(session.settings.Site().domain))
      ctx.console.Line(line);

  const std::string startLine = "Indulas ideje: " + handlers.timeText();
  ctx.console.Line(startLine);

  switch (mode) {
    case Mode::kDownload: handlers.download(session); break;
    case Mode::kAtlas:
      handlers.atlas(session, reports.empty() ? BatchReports(handlers.listDirectory()) : reports);
      break;
    case Mode::kReports:
      NumberedRun(session, handlers, reports);
      ctx.console.Line(startLine);
      break;
    case Mode::kItemList: handlers.itemList(session, args.Param(args.Count())); break;
    case Mode::kBatch:
      NumberedRun(session, handlers, BatchReports(handlers.listDirectory()));
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
