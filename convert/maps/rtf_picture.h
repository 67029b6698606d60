// A black-and-white picture embedded in the RTF document as a 16-bit
// Windows metafile in hexadecimal.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "rtfkit/metafile.h"

namespace qv {

struct ConverterRun;

// Size of the placeable header that a metafile file starts with. The
// document carries the metafile without it, but the progress dots count the
// bytes of the whole file.
inline constexpr std::size_t kPlaceableHeaderBytes = 22;

// The picture group "{\pict\wmetafile8\picwW\pichH " + PictureMetafile bytes in
// upper-case hex + "}", with W and H 8 times the picture's size in pixels.
// `dots` gets one "." for every tenth of the metafile file that is encoded.
std::string PictureGroup(const MonoBitmap& bitmap, std::string* dots);

// Raises the run's picture counter, prints the picture's size and the
// encoding progress, and returns the picture group (the caller writes it as
// one line).
std::string BitmapToRtfPicture(ConverterRun& run, const MonoBitmap& bitmap);

}  // namespace qv
