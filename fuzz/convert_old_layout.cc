// Fuzz target: the converter of the older layout on any report.
#include "fuzz/convert_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return qv::fuzz::ConvertInput(qv::fuzz::ReportLayout::kOlder, data, size);
}
