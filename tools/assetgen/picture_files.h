// The drawn pictures as files: one-bit BMP files for the map pictures
// players may replace, binary PBM images for the banners compiled into the
// tool.
#pragma once

#include <string>

#include "drawing.h"

namespace assetgen {

// An uncompressed one-bit BMP at 96 dots per inch, palette white then black
// (ink is index 1); throws std::runtime_error when the file cannot be
// written.
void WriteMonoBmp(const Canvas& canvas, const std::string& fileName);

// A binary PBM (P4) image, ink black; throws like WriteMonoBmp.
void WritePbm(const Canvas& canvas, const std::string& fileName);

}  // namespace assetgen
