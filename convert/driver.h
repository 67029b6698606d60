// Entry points of the two report converters.
#pragma once

#include <string>

#include "app/run_context.h"

namespace qv {

// The document's name for a report: in the file's name (a directory in
// front is kept as it is), every "_" becomes "r" when the first "_" stands
// before the first "."; then ASCII lower case and ".htm" -> ".rtf". Empty
// when the name has no such "_": the document then goes to standard output.
std::string RtfOutputName(const std::string& reportName);

namespace rtf {
// Converts one report of the older layout into an RTF document.
void ConvertReport(RunContext& ctx, const std::string& fileName);
}  // namespace rtf

namespace rtfuj {
// Converts one report of the newer layout into an RTF document.
void ConvertReport(RunContext& ctx, const std::string& fileName);
}  // namespace rtfuj
}  // namespace qv
