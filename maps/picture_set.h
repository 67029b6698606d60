// The sixteen pictures a map is drawn from, kept in picture/ beside the
// program; a player's own in picture/ of the data directory replace them.
#pragma once

#include <functional>
#include <string>
#include <string_view>
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

// Where a picture is: the path of `relative` (a name under "picture/",
// written with "/") for the executable's directory programDir. It throws
// qv::Error when the picture is nowhere. The tool looks in the player's data
// directory first (config/file_places.h: FindPicture).
using PictureFinder =
    std::function<std::string(const std::string& programDir, std::string_view relative)>;

// Beside the executable only: programDir + relative, with the system's
// separators; a missing picture is named when it is read.
std::string PictureBesideProgram(const std::string& programDir, std::string_view relative);

// Loads the terrain tiles, the icon strip and the arrow strip, in that
// order, from "picture/" as find finds them, each picture on its own. A
// missing or unreadable picture throws qv::Error naming its path, or as
// find tells.
MapPictures LoadMapPictures(const std::string& programDir,
                            const PictureFinder& find = PictureBesideProgram);

}  // namespace qv
