// One-bit BMP files: a 14-byte file header in front of a packed DIB
// (metafile.h), as the map pictures in assets/picture and the item-list
// page's map pictures are stored.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "graphics/metafile.h"
#include "graphics/mono_bitmap.h"

namespace qv {

// The file's bytes before the pixel rows: the file header, the DIB's
// information header and its two-entry palette (index 0 first). The file is
// this + bitmap.DibRows().
std::vector<uint8_t> BmpFileHead(const MonoBitmap& bitmap, const std::array<Rgb, 2>& palette,
                                 const DibFields& fields);

// The whole file.
std::vector<uint8_t> BmpFile(const MonoBitmap& bitmap, const std::array<Rgb, 2>& palette,
                             const DibFields& fields);

}  // namespace qv
