// The converter of one layout on a report made of the input: written into a
// scratch directory that holds the test map pictures and the shipped
// settings, converted, and the document checked when checks are on.
#pragma once

#include <cstdint>
#include <string>

#include "convert/driver.h"
#include "fuzz/fuzz_support.h"
#include "platform/error.h"
#include "site/run_context.h"
#include "tests/maps_support.h"
#include "text/text.h"

namespace qv::fuzz {

enum class ReportLayout { kOlder, kNewer };

// The program directory of the converter runs.
struct ConvertScratch {
  ConvertScratch() {
    test::WriteTestPictures(dir);
    dir.Write("qvformat.ini", SourceFile("assets/qvformat.ini"));
  }
  test::TempDir dir;
};

inline int ConvertInput(ReportLayout layout, const uint8_t* data, std::size_t size) {
  static const ConvertScratch scratch;
  const test::TempDir& dir = scratch.dir;
  static NullConsole console;
  static RunContext ctx{console, dir.path() + "/"};

  const std::string report = dir.Write("r_1.htm", AsText(data, size));
  const std::string document = dir.path() + "/rr1.rtf";
  std::remove(document.c_str());
  ConverterSession session;
  try {
    if (layout == ReportLayout::kOlder)
      rtf::ConvertReport(ctx, session, report);
    else
      rtfuj::ConvertReport(ctx, session, report);
  } catch (const Error&) {
    return 0;  // refused with a message: a finished run
  }
  if (ResultChecksOn()) {
    const std::string rtf = ReadWhole(document);
    if (BraceBalance(rtf) != 0) CheckFailed("the document's braces are not balanced");
    if (!EndsWith(rtf, "}\r\n")) CheckFailed("the document is not closed");
  }
  return 0;
}

}  // namespace qv::fuzz
