#include "convert/driver.h"

#include <algorithm>
#include <cstdint>

#include "convert/closing_sections.h"
#include "convert/preamble.h"
#include "convert/run_state.h"
#include "convert/sections.h"
#include "platform/memory_reuse.h"
#include "rtfkit/prologue.h"
#include "rtfkit/rtf_escape.h"
#include "text/cut_report.h"
#include "text/output_names.h"
#include "text/report_header.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

// The most room made for the narrative at the start; beyond it the text
// grows as it comes.
constexpr std::int64_t kNarrativeRoom = std::int64_t{256} << 20;

// While a document goes to standard output, the console lines go to the
// error stream, so that the document stays clean.
class MessagesAside {
 public:
  MessagesAside(Console& console, bool on)
      : console_(console), before_(console.MessagesToErrorStream()) {
    if (on) console_.SetMessagesToErrorStream(true);
  }
  ~MessagesAside() { console_.SetMessagesToErrorStream(before_); }

 private:
  Console& console_;
  bool before_;
};

// The opening story runs from the line after the header to the first order
// table.
void ConvertOpeningStory(ConverterRun& run) {
  const int skipped = run.layout == Layout::kOlder ? 1 : 2;
  for (int i = 0; i < skipped; ++i) run.ReadLine();

  const Needle firstTable(Markers(run.layout).orderTable);
  run.narrativeMode = true;
  // Each line is looked at once: whether it holds the table decides both
  // whether it joins the story and whether the story ends.
  bool atTable = run.CurrentHolds(firstTable);
  // A story of megabytes has the memory for it and its copies made ready
  // beside the reading.
  constexpr std::size_t kLongStory = std::size_t{1} << 20;
  bool prepared = false;
  while (!run.Eof() && !atTable) {
    run.ReadLine();
    atTable = run.CurrentHolds(firstTable);
    if (!atTable) AppendCollapsed(run.narrative, run.currentLine, " ");
    if (!prepared && run.narrative.size() >= kLongStory) {
      PrepareForLongText(run.narrative);
      prepared = true;
    }
  }
  run.FlushNarrative();
}

void Convert(RunContext& ctx, ConverterSession& session, Layout layout,
             const FormatSettings& settings, ReportReader& report) {
  const std::string ownName = RtfOutputName(report.name());
  MessagesAside aside(ctx.console, ownName.empty());
  const std::string outName = OutputNameFor(report, ownName, ctx.console);
  RtfWriter rtf = RtfWriter::ToFile(outName);
  ConvertReportInto(ctx, session, layout, settings, report, rtf);
}

// The header's text as the prologue writes it.
constexpr HeaderFormat kRtfText{
    [](std::string_view text) { return RtfEscape(text); },
    "\\par \r\n",
    "{\\f11\\fs16 ",
    "} \r\n",
};

}  // namespace

void ScanHeader(ConverterRun& run) {
  ReportHeader header;
  ScanReportHeader(run, run.layout, kRtfText, header);
  run.headerBlock = std::move(header.headerBlock);
  run.adventurerBlock = std::move(header.adventurerBlock);
  run.reportTitle = std::move(header.reportTitle);
}

void ConvertReportInto(RunContext& ctx, ConverterSession& session, Layout layout,
                       const FormatSettings& settings, ReportReader& report, RtfWriter& rtf) {
  ConverterRun run(ctx, layout, settings, report, rtf);
  run.mapResources = &session.mapResources;
  session.mapResources.LookForFontAhead();  // found while the text goes out
  // The narrative grows line by line, up to the whole report at most; room
  // for that once costs only the pages it fills, where growing by doubling
  // would fill a fresh copy at every step.
  if (const std::int64_t size = report.FileSize(); size > 0)
    run.narrative.reserve(static_cast<std::size_t>(std::min<std::int64_t>(size, kNarrativeRoom)));
  run.Console("");
  run.Console("RTF Fejlec keszites");

  ScanHeader(run);
  run.turnNumber = WritePrologue(
      PrologueInput{settings.fonts, run.headerBlock, run.adventurerBlock, run.reportTitle}, rtf);
  ConvertOpeningStory(run);
  ConvertPreamble(run);
  run.narrativeMode = false;
  run.ReadUntilAny({report::kEncyclopediaTitle, report::kSheetTitle});
  WalkSections(run);
  ConvertClosingSections(run);
}

void ConvertReport(RunContext& ctx, ConverterSession& session, ReportReader& report, Layout layout,
                   const FormatSettings& settings) {
  Convert(ctx, session, layout, settings, report);
}

}  // namespace qv
