// A small reader for the uncompressed BMP files of the map pictures.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "graphics/mono_bitmap.h"

namespace qv {

// Decodes an uncompressed BMP (1, 4, 8, 16, 24 or 32 bits per pixel,
// bottom-up or top-down) into a one-bit picture in which a set bit is a
// light pixel: every colour is reduced to black or white by its luminance.
// Every header field is checked against the data; a file this reader cannot
// take throws qv::Error naming `name`.
MonoBitmap DecodeBmp(std::span<const uint8_t> bytes, const std::string& name);

// Reads and decodes the file at `path`; `name` is how messages call it.
MonoBitmap LoadBmp(const std::string& path, const std::string& name);

}  // namespace qv
