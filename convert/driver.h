// Entry points of the two report converters.
#pragma once

#include <string>

#include "app/run_context.h"

namespace qv {
namespace rtf {
// Converts one report of the older layout into an RTF document.
void ConvertReport(RunContext& ctx, const std::string& fileName);
}  // namespace rtf

namespace rtfuj {
// Converts one report of the newer layout into an RTF document.
void ConvertReport(RunContext& ctx, const std::string& fileName);
}  // namespace rtfuj
}  // namespace qv
