// Fuzz target: cutting a turn response down to the stored report.
#include <cstdint>
#include <string>

#include "download/response_cut.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The cut keeps the text before the first "<TABLE><TR>" and the text
  // behind the first "</TABLE>" whatever their order, so it may repeat
  // text: only crashes and sanitizer reports count here.
  qv::CutResponse(qv::fuzz::AsText(data, size));
  return 0;
}
