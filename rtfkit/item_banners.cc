#include "rtfkit/item_banners.h"

#include <array>
#include <cstddef>
#include <span>

#include "graphics/pbm_image.h"
#include "graphics/picture_metafile.h"
#include "platform/error.h"
#include "text/hex_digits.h"

// assets/item_banner_1.pbm to item_banner_6.pbm, compiled in by qv_embed_file
// (cmake/EmbedFile.cmake).
extern const unsigned char qv_item_banner_1_pbm[], qv_item_banner_2_pbm[], qv_item_banner_3_pbm[],
    qv_item_banner_4_pbm[], qv_item_banner_5_pbm[], qv_item_banner_6_pbm[];
extern const std::size_t qv_item_banner_1_pbm_size, qv_item_banner_2_pbm_size,
    qv_item_banner_3_pbm_size, qv_item_banner_4_pbm_size, qv_item_banner_5_pbm_size,
    qv_item_banner_6_pbm_size;

namespace qv {
namespace {

struct EmbeddedPbm {
  const unsigned char* bytes;
  const std::size_t& size;
};

const EmbeddedPbm kPbms[kItemBannerGroups] = {
    {qv_item_banner_1_pbm, qv_item_banner_1_pbm_size},
    {qv_item_banner_2_pbm, qv_item_banner_2_pbm_size},
    {qv_item_banner_3_pbm, qv_item_banner_3_pbm_size},
    {qv_item_banner_4_pbm, qv_item_banner_4_pbm_size},
    {qv_item_banner_5_pbm, qv_item_banner_5_pbm_size},
    {qv_item_banner_6_pbm, qv_item_banner_6_pbm_size},
};

void CheckGroup(int group) {
  if (group < 1 || group > kItemBannerGroups)
    throw Error(error_kind::kPicture,
                "nincs fejleckep a(z) " + std::to_string(group) + ". targycsoporthoz");
}

// The drawing of a group. The PBM sets its black pixels, while the
// metafile's palette is black, white: here a set bit is white.
MonoBitmap Load(int group) {
  const ItemBannerSize size = kItemBannerSizes[group - 1];
  const EmbeddedPbm& pbm = kPbms[group - 1];
  return Inverted(ReadPbm(std::span<const uint8_t>(pbm.bytes, pbm.size), size.width, size.height,
                          "a beepitett assets/item_banner_" + std::to_string(group) + ".pbm"));
}

}  // namespace

const MonoBitmap& ItemBannerBitmap(int group) {
  CheckGroup(group);
  static const std::array<MonoBitmap, kItemBannerGroups> kBitmaps = {Load(1), Load(2), Load(3),
                                                                     Load(4), Load(5), Load(6)};
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
