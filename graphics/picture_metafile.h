// One-bit pictures as the document embeds them: a 16-bit Windows metafile
// holding one StretchDIB record; and the same picture as a BMP file, as the
// item-list page shows it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "graphics/mono_bitmap.h"

namespace qv {

// The metafile of a picture (palette black, white: a set bit is white):
// window origin and extent twice, text and background colour, stretch mode
// 3, one StretchDIB record of the whole picture, end record. Maps and item
// banners take this form.
std::vector<uint8_t> PictureMetafile(const MonoBitmap& bitmap);

// The same picture as a BMP file: a 14-byte file header in front of the
// DIB that the metafile's StretchDIB record carries.
std::vector<uint8_t> PictureBmpFile(const MonoBitmap& bitmap);
// PictureBmpFile's bytes before the rows: the file header, the DIB's header
// and palette. The file is this + bitmap.DibRows().
std::vector<uint8_t> PictureBmpHead(const MonoBitmap& bitmap);

// PictureMetafile's bytes before and after the picture's rows, which stay
// in the bitmap: the metafile is head + bitmap.DibRows() + tail.
struct MetafileAroundRows {
  std::vector<uint8_t> head;
  std::vector<uint8_t> tail;
};
MetafileAroundRows PictureMetafileAroundRows(const MonoBitmap& bitmap);

}  // namespace qv
