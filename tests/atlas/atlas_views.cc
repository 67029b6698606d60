// Writes the atlas views of a test world into a folder, for the reader
// checks and for figures by hand:
//
//   qv_atlas_views FOLDER            the small world of sample_worlds.h
//   qv_atlas_views FOLDER CELLS      a generated world of CELLS cells
//
// Prints each file's size and the time it took.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "atlas/atlas_document.h"
#include "atlas/atlas_page.h"
#include "platform/error.h"
#include "tests/atlas/sample_worlds.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: qv_atlas_views FOLDER [CELLS]\n");
    return 2;
  }
  try {
    const std::string folder = std::string(argv[1]) + "/";
    const qv::AtlasWorld world = argc > 2 ? qv::test::GeneratedAtlasWorld(std::atoi(argv[2]), 520)
                                          : qv::test::SmallAtlasWorld();
    const qv::MapPictures pictures = qv::LoadMapPictures(QV_SOURCE_DIR "/assets/");
    const auto font = qv::OpenMapLabelFont();
    using Clock = std::chrono::steady_clock;
    const auto report = [&](const char* name, Clock::time_point start) {
      const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      std::printf("%s: %lld bytes in %.0f ms (%zu cells, %zu steps, %zu places)\n", name,
                  static_cast<long long>(std::filesystem::file_size(folder + name)), ms,
                  world.cells.size(), world.steps.size(), world.places.size());
    };
    auto start = Clock::now();
    qv::WriteAtlasPage(world, pictures, folder + qv::kAtlasPageName);
    report(qv::kAtlasPageName, start);
    start = Clock::now();
    qv::WriteAtlasDocument(world, pictures, *font, qv::PrologueFonts{},
                           folder + qv::kAtlasDocumentName);
    report(qv::kAtlasDocumentName, start);
  } catch (const qv::Error& e) {
    std::fprintf(stderr, "%s: %s\n", e.kind().c_str(), e.text().c_str());
    return 1;
  }
  return 0;
}
