// The six banners above the item categories of a document, black line
// drawings on white: 1 helmet, shield and gauntlet; 2 spiked mace, arrows and
// sling stones; 3 cut gemstone and chain with a hook; 4 saddle with chains
// and a sheet of parchment; 5 corked flask and a pouch spilling powder;
// 6 horned monster's head.
#pragma once

#include <string>

#include "drawing.h"

namespace assetgen {

// Group 1 to 6, in the pixel size rtfkit/item_banners.h gives it.
Canvas DrawItemBanner(int group);

// Writes item_banner_1.pbm to item_banner_6.pbm into `directory`.
void WriteItemBanners(const std::string& directory);

}  // namespace assetgen
