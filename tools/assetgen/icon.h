// The program's icon (assets/qvformat.ico, compiled into qvformat.exe and
// shown by its installer): a parchment scroll between two rolls, with lines
// of writing and a red seal. Each size is drawn on its own, in colour with
// soft edges, so that the small ones keep lines a pixel wide.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

struct Rgba {
  uint8_t r, g, b, a;  // a = 255: opaque
};

// A square picture, rows from the top.
struct ColourImage {
  int size = 0;
  std::vector<Rgba> pixels;
};

inline constexpr int kIconSizes[] = {16, 24, 32, 48};

ColourImage DrawIcon(int size);

}  // namespace assetgen
