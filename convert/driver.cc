#include "convert/driver.h"

#include <optional>

#include "convert/closing_sections.h"
#include "convert/header_scan.h"
#include "convert/preamble.h"
#include "convert/run_state.h"
#include "convert/sections.h"
#include "rtfkit/prologue.h"
#include "rtfkit/text.h"

namespace qv {
namespace {

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
  const int skipped = run.variant == Variant::kRtf ? 1 : 2;
  for (int i = 0; i < skipped; ++i) run.ReadLine();

  const std::string_view firstTable =
      run.variant == Variant::kRtf
          ? std::string_view("<TABLE CLASS=par>")
          : std::string_view(R"(<TABLE CELLPADDING=0 CELLSPACING=0><TR><TD CLASS="p" WIDTH=170>)");
  run.narrativeMode = true;
  while (!run.Eof() && !run.CurrentHolds(firstTable)) {
    run.ReadLine();
    if (!run.CurrentHolds(firstTable)) run.narrative += CollapseBlanks(run.currentLine + " ");
  }
  run.FlushNarrative();
}

void Convert(RunContext& ctx, Variant variant, const FormatSettings& settings,
             const std::string& fileName) {
  const std::string outName = RtfOutputName(fileName);
  ReportReader report(fileName);
  RtfWriter rtf = RtfWriter::ToFile(outName);
  MessagesAside aside(ctx.console, outName.empty());

  ConverterRun run(ctx, variant, settings, report, rtf);
  run.Console("");
  run.Console("RTF Fejlec keszites");

  ScanHeader(run);
  run.turnNumber = WritePrologue(
      PrologueInput{settings.fonts, run.headerBlock, run.adventurerBlock, run.reportTitle}, rtf);
  ConvertOpeningStory(run);
  ConvertPreamble(run);
  run.narrativeMode = false;
  run.ReadUntilAny({"ENCYCLOPEDIA FANTASIA", "KARAKTERLAP"});
  WalkSections(run);
  ConvertClosingSections(run);
}

}  // namespace

std::string RtfOutputName(const std::string& reportName) {
  // The rules apply to the file's own name; a directory in front stays as it
  // was typed, since rewriting it would point into another directory on a
  // case-sensitive file system.
  const std::size_t slash = reportName.rfind('/');
  const std::string dir = slash == std::string::npos ? "" : reportName.substr(0, slash + 1);
  const std::string name = reportName.substr(dir.size());
  const int underscore = Find("_", name);
  const int dot = Find(".", name);
  if (underscore == 0 || dot == 0 || underscore > dot) return std::string();
  return dir + ReplaceAll(".htm", ".rtf", AsciiLowerCase(ReplaceAll("_", "r", name)));
}

namespace rtf {
void ConvertReport(RunContext& ctx, const std::string& fileName) {
  // The older converter reads its settings afresh for every report.
  const FormatSettings settings = ReadFormatSettings(ctx.programDir + "qvformat.ini");
  Convert(ctx, Variant::kRtf, settings, fileName);
}
}  // namespace rtf

namespace rtfuj {
void ConvertReport(RunContext& ctx, const std::string& fileName) {
  // The newer converter reads its settings once and keeps them for the
  // whole process, also across a batch run.
  static std::optional<FormatSettings> settings;
  if (!settings) settings = ReadFormatSettings(ctx.programDir + "qvformat.ini");
  Convert(ctx, Variant::kRtfUj, *settings, fileName);
}
}  // namespace rtfuj

}  // namespace qv
