// assetgen: draws the pictures that qvformat carries in its sources.
//
//   assetgen banner OUTPUT.cc      the title banner as rtfkit/banner_bitmap_data.cc
//   assetgen banner-pbm OUTPUT.pbm the title banner as a PBM image, for a look
//   assetgen pictures DIRECTORY    the map pictures as BMP files (assets/picture)
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "banner.h"
#include "map_pictures.h"
#include "rtfkit/banner_picture.h"
#include "source_file.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: assetgen banner OUTPUT.cc\n"
               "       assetgen banner-pbm OUTPUT.pbm\n"
               "       assetgen pictures DIRECTORY\n");
  return 2;
}

void WriteBannerSource(const std::string& fileName) {
  assetgen::ByteArraySource source;
  source.description =
      "// The title banner: 2280 x 118 pixels, one bit each (set = black), rows\n"
      "// bottom-up, 288 bytes per row.\n";
  source.include = "rtfkit/banner_picture.h";
  source.nameSpace = "qv";
  source.name = "kBannerBitmap";
  source.sizeExpression = "kBannerBitmapBytes";
  source.bytes = assetgen::DrawBanner().PackDibRows();
  if (source.bytes.size() != static_cast<std::size_t>(qv::kBannerBitmapBytes))
    throw std::runtime_error("the banner rows have the wrong size");
  assetgen::WriteByteArraySource(source, fileName);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage();
  const std::string command = argv[1];
  const std::string output = argv[2];
  try {
    if (command == "banner") {
      WriteBannerSource(output);
    } else if (command == "banner-pbm") {
      assetgen::DrawBanner().WritePbm(output);
    } else if (command == "pictures") {
      assetgen::WriteMapPictures(output);
    } else {
      return Usage();
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "assetgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
