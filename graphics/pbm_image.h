// One-bit pictures kept as binary PBM (P4) files in assets/.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "graphics/mono_bitmap.h"

namespace qv {

// Reads a binary PBM (P4) image that must be width x height pixels; a set
// bit is black in the PBM and stays set in the bitmap. Throws qv::Error,
// naming the image `name`, when the data is not such an image.
MonoBitmap ReadPbm(std::span<const uint8_t> pbm, int width, int height, const std::string& name);

// The bitmap as a binary PBM (P4) file: "P4\n<width> <height>\n", then the
// rows top-down, each padded to whole bytes; a set bit is black.
std::vector<uint8_t> PbmFile(const MonoBitmap& bitmap);

}  // namespace qv
