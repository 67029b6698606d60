// The six banners drawn above the item categories of a document: 1 armour
// and shields, 2 weapons and missiles, 3 jewellery, 4 tools, 5 potions and
// powders, 6 odd things.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/mono_bitmap.h"

namespace qv {

inline constexpr int kItemBannerGroups = 6;

struct ItemBannerSize {
  int width;
  int height;
};

// The pixel sizes of the banners, group 1 first. Their metafiles take 4408,
// 3984, 4920, 4788, 3336 and 3560 bytes.
inline constexpr ItemBannerSize kItemBannerSizes[kItemBannerGroups] = {
    {295, 106}, {287, 106}, {345, 108}, {352, 105}, {241, 99}, {243, 106}};

// The picture header every banner is placed with, whatever its own size.
inline constexpr char kItemBannerHeader[] =
    R"({\f11 {\pict\wmetafile8\picw2498\pich897\picwgoal1416\pichgoal509)";

// The banner of a group (1 to 6) as a one-bit bitmap (a set bit is white, as
// PictureMetafile takes it) and as its metafile's hexadecimal lines (see
// HexLines: no line end after the last one). The drawings come from
// assets/item_banner_1.pbm to item_banner_6.pbm (drawn by tools/assetgen),
// which the build compiles in; they are read on first use, which throws
// qv::Error when one of them is not a PBM image of its size.
const MonoBitmap& ItemBannerBitmap(int group);
const std::string& ItemBannerHex(int group);

}  // namespace qv
