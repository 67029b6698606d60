// The default map pictures: fourteen terrain tiles of 200 x 200 pixels,
// the strip of nine arrows (48 pixels apart) and the strip of eight icons
// (56 pixels apart), all in black and white.
#pragma once

#include <string>

#include "drawing.h"
#include "maps/picture_set.h"

namespace assetgen {

inline constexpr int kTileSize = 200;
inline constexpr int kTerrainTiles = qv::kTerrainCount;

// Terrain 1 to 14: sea, coast, burnt land, burnt forest, plain, town,
// sparse forest, dense forest, hills, low mountains, high mountains,
// desert, swamp, scrub.
Canvas DrawTerrainTile(int terrain);
// Arrow k (1..9) points the way key k of a numeric keypad lies from 5;
// arrow 5 is a ring (staying in place).
Canvas DrawArrowStrip();
// Tent, house, flag, crossed swords, star, chest, footprints, warning.
Canvas DrawIconStrip();

// Writes the sixteen BMP files under their file names into `directory`.
void WriteMapPictures(const std::string& directory);

}  // namespace assetgen
