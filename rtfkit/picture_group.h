// A black-and-white picture as an RTF picture group: a 16-bit Windows
// metafile in hexadecimal, as the maps of a document are embedded.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/mono_bitmap.h"

namespace qv {

// Size of the placeable header that a metafile file starts with. The
// document carries the metafile without it, but the progress dots count the
// bytes of the whole file.
inline constexpr std::size_t kPlaceableHeaderBytes = 22;

// The picture group "{\pict\wmetafile8\picwW\pichH " + PictureMetafile bytes in
// upper-case hex + "}", with W and H 8 times the picture's size in pixels,
// handed to `write` in pieces of at most 64 KB.
void WritePictureGroup(const MonoBitmap& bitmap,
                       const std::function<void(std::string_view)>& write);

// The picture's size on paper, in twips: "\picwgoalW\pichgoalH" after
// \pich, for pictures that must fill a given width whatever their pixels.
struct PictureGoal {
  int widthTwips = 0;
  int heightTwips = 0;
};
void WritePictureGroup(const MonoBitmap& bitmap, const PictureGoal& goal,
                       const std::function<void(std::string_view)>& write);

// The whole picture group as one text; `dots` gets PictureDots.
std::string PictureGroup(const MonoBitmap& bitmap, std::string* dots);

// One "." for every tenth of the metafile file that is encoded.
std::string PictureDots(const MonoBitmap& bitmap);

}  // namespace qv
