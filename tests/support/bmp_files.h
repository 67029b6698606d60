// BMP files made in memory, in the layouts the map pictures come in.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace qv::test {

struct Colour {
  uint8_t r, g, b;
};

// An uncompressed BMP with a 40-byte header. `pixel(x, y)` (y from the top)
// gives a palette index for 1, 4 and 8 bits, a colour otherwise through
// `palette[index]`. Top-down when `topDown`.
std::vector<uint8_t> MakeBmp(int width, int height, int bits, const std::vector<Colour>& palette,
                             const std::function<int(int, int)>& pixel, bool topDown = false);

// A one-bit BMP, palette black then white; `white(x, y)` decides.
std::vector<uint8_t> MonoBmp(int width, int height, const std::function<bool(int, int)>& white);

}  // namespace qv::test
