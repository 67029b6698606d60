#include "rtfkit/item_banners.h"

#include <array>

#include "platform/error.h"
#include "rtfkit/picture_metafile.h"

namespace qv {
namespace {

struct BannerSize {
  int width;
  int height;
};

// Pixel sizes of the six banners; their metafiles take 4408, 3984, 4920,
// 4788, 3336 and 3560 bytes.
constexpr BannerSize kSizes[kItemBannerGroups] = {{295, 106}, {287, 106}, {345, 108},
                                                  {352, 105}, {241, 99},  {243, 106}};

void CheckGroup(int group) {
  if (group < 1 || group > kItemBannerGroups)
    throw Error("Picture error", "no item banner for group " + std::to_string(group));
}

// TODO(banners): the drawings; until they land every banner is blank white.
MonoBitmap Draw(int group) {
  const BannerSize size = kSizes[group - 1];
  MonoBitmap bitmap(size.width, size.height);
  for (int y = 0; y < size.height; ++y)
    for (int x = 0; x < size.width; ++x) bitmap.Set(x, y, true);
  return bitmap;
}

}  // namespace

const MonoBitmap& ItemBannerBitmap(int group) {
  CheckGroup(group);
  static const std::array<MonoBitmap, kItemBannerGroups> kBitmaps = {Draw(1), Draw(2), Draw(3),
                                                                     Draw(4), Draw(5), Draw(6)};
  return kBitmaps[group - 1];
}

const std::string& ItemBannerHex(int group) {
  CheckGroup(group);
  static const std::array<std::string, kItemBannerGroups> kHex = [] {
    std::array<std::string, kItemBannerGroups> hex;
    for (int g = 1; g <= kItemBannerGroups; ++g)
      hex[g - 1] = HexLines(PictureMetafile(ItemBannerBitmap(g)));
    return hex;
  }();
  return kHex[group - 1];
}

}  // namespace qv
