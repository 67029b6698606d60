// An item-list page run over a report text, for the tests of the page's
// tables: the report is r_1.htm in a scratch folder, the page is written
// into memory.
#pragma once

#include <string>
#include <string_view>

#include "itemlist/page_file.h"
#include "itemlist/page_run.h"
#include "itemlist/page_setup.h"
#include "tests/support/consoles.h"
#include "tests/support/scratch_dir.h"
#include "text/report_reader.h"

namespace qv::test {

struct PageHarness {
  explicit PageHarness(std::string_view report = "", Layout layout = Layout::kOlder)
      : path(dir.Write("r_1.htm", report)),
        reader(path),
        run(setup, reader, page, console, layout) {}

  TempDir dir;
  PageSetup setup;
  RecordingConsole console;
  std::string path;
  ReportReader reader;
  PageFile page;
  PageRun run;
};

}  // namespace qv::test
