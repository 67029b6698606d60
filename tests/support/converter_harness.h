// A converter run over a report text, for the tests of the converter's
// sections, and the heading those sections start with.
#pragma once

#include <string>
#include <string_view>

#include "config/file_places.h"
#include "convert/run_state.h"
#include "maps/map_resources.h"
#include "platform/run_context.h"
#include "rtfkit/rtf_writer.h"
#include "tests/support/consoles.h"
#include "tests/support/lines.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_pictures.h"
#include "text/report_reader.h"

namespace qv::test {

// The report is r_1.htm in a scratch folder that is also the program's
// folder (with the test map pictures when `pictures`); the document goes to
// memory, or to the named file in that folder. The maps' pictures are found
// as the tool finds them.
struct ConverterHarness {
  ConverterHarness(Layout layout, std::string_view report, bool pictures = true,
                   const std::string& outName = "")
      : reportPath(Prepare(dir, report, pictures)),
        reader(reportPath),
        out(outName.empty() ? RtfWriter::InMemory()
                            : RtfWriter::ToFile(dir.path() + "/" + outName)),
        ctx{console, dir.path() + "/"},
        run(ctx, layout, settings, reader, out) {
    run.mapResources = &mapResources;
  }

  static std::string Prepare(const TempDir& dir, std::string_view report, bool pictures) {
    if (pictures) WriteTestPictures(dir);
    return dir.Write("r_1.htm", report);
  }

  TempDir dir;
  RecordingConsole console;
  FormatSettings settings;
  std::string reportPath;
  ReportReader reader;
  RtfWriter out;
  RunContext ctx;
  MapResources mapResources{FindPicture};
  ConverterRun run;
};

// The blank line and the title line that a section of items, spells or
// skills writes before its table.
inline std::string SectionHeading(std::string_view title) {
  return BarLines(
      R"(\pard \ql\widctlpar {\f11\fs19 \par}|\pard {\sa120\ql\keepn\widctlpar\brdrb\brdrdb\brdrw15\brsp20 {\f11\fs19 )" +
      std::string(title) + R"(\par}})");
}

}  // namespace qv::test
