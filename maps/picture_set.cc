#include "maps/picture_set.h"

#include "graphics/bmp_reader.h"
#include "platform/error.h"
#include "platform/input_file.h"
#include "platform/user_dirs.h"

namespace qv {

const char* const kTerrainFiles[kTerrainCount] = {
    "tenger.bmp", "tengerpart.bmp", "kiegett.bmp", "fkiegett.bmp", "siksag.bmp",
    "varos.bmp",  "rerdo.bmp",      "serdo.bmp",   "dombsag.bmp",  "ahegy.bmp",
    "mhegy.bmp",  "sivatag.bmp",    "mocsar.bmp",  "bozot.bmp",
};

namespace {

// A picture is named by its whole path; one found nowhere by every place
// looked.
MonoBitmap Load(const std::string& programDir, const char* file) {
  const std::string relative = std::string("picture/") + file;
  const std::string path = FindDataFile(programDir, {relative});
  if (!PathExists(path))
    throw Error(error_kind::kPicture,
                std::string(file) + " nem talalhato; kerestem itt: " +
                    QuotedPaths(FilePlaces(UserDataDir(), programDir, {relative})));
  return LoadBmp(path, path);
}

}  // namespace

MapPictures LoadMapPictures(const std::string& programDir) {
  std::vector<MonoBitmap> terrain;
  terrain.reserve(kTerrainCount);
  for (const char* file : kTerrainFiles) terrain.push_back(Load(programDir, file));
  MonoBitmap icons = Load(programDir, kIconFile);
  MonoBitmap arrows = Load(programDir, kArrowFile);
  return MapPictures{std::move(terrain), std::move(icons), std::move(arrows)};
}

}  // namespace qv
