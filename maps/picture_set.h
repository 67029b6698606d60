// The sixteen pictures a map is drawn from, kept in picture/ beside the
// program; a player's own in picture/ of the data directory replace them.
#pragma once

#include <string>
#include <vector>

#include "graphics/mono_bitmap.h"

namespace qv {

inline constexpr int kTerrainCount = 14;

// File names under picture/, terrain 1 to 14 in order.
extern const char* const kTerrainFiles[kTerrainCount];
inline constexpr const char* kIconFile = "ikonok.bmp";
inline constexpr const char* kArrowFile = "nyilak.bmp";

// One-bit pictures, a set bit is white.
struct MapPictures {
  std::vector<MonoBitmap> terrain;  // terrain t at index t - 1
  MonoBitmap icons;                 // icon cells 56 pixels apart
  MonoBitmap arrows;                // arrow cells 48 pixels apart

  const MonoBitmap* Terrain(int t) const {
    return t >= 1 && t <= kTerrainCount ? &terrain[static_cast<std::size_t>(t - 1)] : nullptr;
  }
};

// Loads the terrain tiles, the icon strip and the arrow strip, in that
// order, from "picture/" in the player's data directory (platform/user_dirs.h)
// or else in programDir, each picture on its own. A missing or unreadable
// picture throws qv::Error naming its path, or every place looked.
MapPictures LoadMapPictures(const std::string& programDir);

}  // namespace qv
