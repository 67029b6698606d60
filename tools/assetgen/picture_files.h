// The drawn pictures as files: one-bit BMP files for the map pictures
// players may replace, binary PBM images for the banners compiled into the
// tool, and the Windows icon file of the program.
#pragma once

#include <string>
#include <vector>

#include "drawing.h"
#include "icon.h"

namespace assetgen {

// An uncompressed one-bit BMP at 96 dots per inch, palette white then black
// (ink is index 1); throws std::runtime_error when the file cannot be
// written.
void WriteMonoBmp(const Canvas& canvas, const std::string& fileName);

// A binary PBM (P4) image, ink black; throws like WriteMonoBmp.
void WritePbm(const Canvas& canvas, const std::string& fileName);

// A Windows icon file (.ico) holding the images in the given order, each as
// a 32-bit DIB with alpha and the one-bit mask of its transparent pixels;
// throws like WriteMonoBmp.
void WriteIco(const std::vector<ColourImage>& images, const std::string& fileName);

}  // namespace assetgen
