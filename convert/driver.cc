#include "convert/driver.h"

#include "platform/error.h"
#include "rtfkit/report_reader.h"

namespace qv {
namespace {

// Until the converters are in place a conversion opens its report, so that a
// missing report fails as it always will, and then stops with a clear error.
[[noreturn]] void NotBuiltYet(const std::string& fileName) {
  ReportReader report(fileName);
  throw Error("Not available", "RTF conversion is not built yet ('" + fileName + "')");
}

}  // namespace

namespace rtf {
void ConvertReport(RunContext&, const std::string& fileName) { NotBuiltYet(fileName); }
}  // namespace rtf

namespace rtfuj {
void ConvertReport(RunContext&, const std::string& fileName) { NotBuiltYet(fileName); }
}  // namespace rtfuj

}  // namespace qv
