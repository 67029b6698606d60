// One-bit BMP files for the pictures players may replace.
#pragma once

#include <string>

#include "canvas.h"

namespace assetgen {

// Writes the canvas as an uncompressed one-bit BMP at 96 dots per inch,
// palette white then black (dark pixels are index 1); throws
// std::runtime_error when the file cannot be written.
void WriteMonoBmp(const Canvas& canvas, const std::string& fileName);

}  // namespace assetgen
