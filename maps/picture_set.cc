#include "maps/picture_set.h"

#include "graphics/bmp_reader.h"
#include "platform/path_names.h"

namespace qv {

const char* const kTerrainFiles[kTerrainCount] = {
    "tenger.bmp", "tengerpart.bmp", "kiegett.bmp", "fkiegett.bmp", "siksag.bmp",
    "varos.bmp",  "rerdo.bmp",      "serdo.bmp",   "dombsag.bmp",  "ahegy.bmp",
    "mhegy.bmp",  "sivatag.bmp",    "mocsar.bmp",  "bozot.bmp",
};

namespace {

// A picture is named by its whole path.
MonoBitmap Load(const std::string& programDir, const PictureFinder& find, const char* file) {
  const std::string path = find(programDir, std::string("picture/") + file);
  return LoadBmp(path, path);
}

}  // namespace

std::string PictureBesideProgram(const std::string& programDir, std::string_view relative) {
  return programDir + SystemSeparators(relative);
}

MapPictures LoadMapPictures(const std::string& programDir, const PictureFinder& find) {
  std::vector<MonoBitmap> terrain;
  terrain.reserve(kTerrainCount);
  for (const char* file : kTerrainFiles) terrain.push_back(Load(programDir, find, file));
  MonoBitmap icons = Load(programDir, find, kIconFile);
  MonoBitmap arrows = Load(programDir, find, kArrowFile);
  return MapPictures{std::move(terrain), std::move(icons), std::move(arrows)};
}

}  // namespace qv
