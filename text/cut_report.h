// A report is whole when it holds its closing "</html>" (any case): one
// saved half-way by a browser, or copied while a download was still
// running, lacks it. What is made of such a report never takes the place of
// a document or page made earlier under the same name: it is written beside
// it, under a name that says it was made from a cut report.
#pragma once

#include <string>

#include "platform/console.h"
#include "text/report_reader.h"

namespace qv {

// True when the report holds "</html>" in any case, and when it cannot be
// read (reading it for the conversion then says why). Reads it from its
// start and leaves it at its start again.
bool ReportIsWhole(ReportReader& report);

// "1234r58.rtf" -> "1234r58-csonka.rtf": "-csonka" before the extension of
// the file's own name (at its end when it has none).
std::string CutReportOutputName(const std::string& outputName);

// The name the output of the report goes to: outputName for a whole report
// (nothing is printed), or for a cut one a line saying so and, when a file
// named outputName stands already, CutReportOutputName(outputName). An
// empty outputName (standard output) stays empty.
std::string OutputNameFor(ReportReader& report, const std::string& outputName, Console& console);

}  // namespace qv
