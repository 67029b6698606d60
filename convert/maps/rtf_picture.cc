#include "convert/maps/rtf_picture.h"

#include "convert/run_state.h"
#include "rtfkit/picture_metafile.h"

namespace qv {

std::string PictureGroup(const MonoBitmap& bitmap, std::string* dots) {
  // The rows are encoded straight from the bitmap, between the metafile's
  // records before and after them.
  const MetafileAroundRows around = PictureMetafileAroundRows(bitmap);
  const std::span<const uint8_t> rows = bitmap.DibRows();
  const std::size_t metafileBytes = around.head.size() + rows.size() + around.tail.size();
  std::string text = "{\\pict\\wmetafile8\\picw" + std::to_string(8 * bitmap.width()) + "\\pich" +
                     std::to_string(8 * bitmap.height()) + " ";
  const std::size_t head = text.size();
  text.resize(head + 2 * metafileBytes + 1);
  char* out = text.data() + head;
  out = PutHex(around.head, out, HexCase::kUpper);
  out = PutHex(rows, out, HexCase::kUpper);
  out = PutHex(around.tail, out, HexCase::kUpper);
  *out = '}';

  // A dot after every byte whose offset in the file (placeable header
  // included) is a multiple of a tenth of the file's size.
  const std::size_t fileSize = kPlaceableHeaderBytes + metafileBytes;
  const std::size_t step = fileSize / 10;
  if (dots != nullptr && step > 0)
    for (std::size_t i = (kPlaceableHeaderBytes + step - 1) / step * step; i < fileSize; i += step)
      *dots += '.';
  return text;
}

std::string BitmapToRtfPicture(ConverterRun& run, const MonoBitmap& bitmap) {
  ++run.pictureCounter;
  run.Console("      A Terkep merete: " + std::to_string(bitmap.width()) + "x" +
              std::to_string(bitmap.height()) + " pixel");
  std::string dots;
  std::string group = PictureGroup(bitmap, &dots);
  run.Console("         Terkep Konvertalas -> RTF " + dots);
  return group;
}

}  // namespace qv
