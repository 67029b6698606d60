#include "convert/maps/rtf_picture.h"

#include "convert/run_state.h"
#include "rtfkit/picture_metafile.h"

namespace qv {

std::string PictureGroup(const MonoBitmap& bitmap, std::string* dots) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const std::vector<uint8_t> bytes = PictureMetafile(bitmap);
  std::string text = "{\\pict\\wmetafile8\\picw" + std::to_string(8 * bitmap.width()) + "\\pich" +
                     std::to_string(8 * bitmap.height()) + " ";
  const std::size_t head = text.size();
  text.resize(head + 2 * bytes.size() + 1);
  char* out = text.data() + head;
  for (uint8_t b : bytes) {
    *out++ = kHex[b >> 4];
    *out++ = kHex[b & 0x0F];
  }
  *out = '}';

  // A dot after every byte whose offset in the file (placeable header
  // included) is a multiple of a tenth of the file's size.
  const std::size_t fileSize = kPlaceableHeaderBytes + bytes.size();
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
