#include "rtfkit/picture_group.h"

#include <algorithm>

#include "graphics/picture_metafile.h"
#include "text/hex_digits.h"

namespace qv {
namespace {

// Bytes encoded per piece: their digits fill one write buffer, so a map of
// many megabytes never stands in memory as text.
constexpr std::size_t kPieceBytes = 32 * 1024;

// The group with `goal` (its words, or nothing) after \pich.
void WriteGroup(const MonoBitmap& bitmap, const std::string& goal,
                const std::function<void(std::string_view)>& write) {
  // The rows are encoded straight from the bitmap, between the metafile's
  // records before and after them.
  const MetafileAroundRows around = PictureMetafileAroundRows(bitmap);
  write("{\\pict\\wmetafile8\\picw" + std::to_string(8 * bitmap.width()) + "\\pich" +
        std::to_string(8 * bitmap.height()) + goal + " ");
  std::string digits(2 * kPieceBytes, '\0');
  const auto encode = [&](std::span<const uint8_t> bytes) {
    for (std::size_t at = 0; at < bytes.size(); at += kPieceBytes) {
      const auto piece = bytes.subspan(at, std::min(kPieceBytes, bytes.size() - at));
      const char* end = PutHex(piece, digits.data(), HexCase::kUpper);
      write(std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())));
    }
  };
  encode(around.head);
  encode(bitmap.DibRows());
  encode(around.tail);
  write("}");
}

}  // namespace

void WritePictureGroup(const MonoBitmap& bitmap,
                       const std::function<void(std::string_view)>& write) {
  WriteGroup(bitmap, "", write);
}

void WritePictureGroup(const MonoBitmap& bitmap, const PictureGoal& goal,
                       const std::function<void(std::string_view)>& write) {
  WriteGroup(bitmap,
             "\\picwgoal" + std::to_string(goal.widthTwips) + "\\pichgoal" +
                 std::to_string(goal.heightTwips),
             write);
}

std::string PictureGroup(const MonoBitmap& bitmap, std::string* dots) {
  std::string text;
  WritePictureGroup(bitmap, [&text](std::string_view piece) { text.append(piece); });
  if (dots != nullptr) *dots += PictureDots(bitmap);
  return text;
}

std::string PictureDots(const MonoBitmap& bitmap) {
  // A dot after every byte whose offset in the file (placeable header
  // included) is a multiple of a tenth of the file's size.
  const MetafileAroundRows around = PictureMetafileAroundRows(bitmap);
  const std::size_t fileSize =
      kPlaceableHeaderBytes + around.head.size() + bitmap.DibRows().size() + around.tail.size();
  const std::size_t step = fileSize / 10;
  std::string dots;
  if (step > 0)
    for (std::size_t i = (kPlaceableHeaderBytes + step - 1) / step * step; i < fileSize; i += step)
      dots += '.';
  return dots;
}

}  // namespace qv
