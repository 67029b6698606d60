// Fuzz target: the item and spell lists of the item-list page, the input
// read as both.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "itemlist/data_files.h"
#include "platform/error.h"
#include "tests/support/scratch_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const qv::test::TempDir dir;
  const std::string path = dir.Write("item.txt", qv::fuzz::AsText(data, size));
  try {
    qv::ReadItemFile(path);
    qv::ReadSpellFile(path);
  } catch (const qv::Error&) {
    // refused with a message
  }
  return 0;
}
