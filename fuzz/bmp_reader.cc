// Fuzz target: the BMP reader of the map pictures on any file.
#include <cstdint>
#include <span>

#include "fuzz/fuzz_support.h"
#include "graphics/bmp_reader.h"
#include "platform/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const qv::MonoBitmap picture = qv::DecodeBmp(std::span<const uint8_t>(data, size), "fuzz.bmp");
    // Every pixel of what was decoded can be read.
    int white = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) white += picture.Get(x, y);
    if (white > int64_t{picture.width()} * picture.height()) qv::fuzz::CheckFailed("pixels miscounted");
  } catch (const qv::Error&) {
    // refused with a message
  }
  return 0;
}
