// assetgen: draws the pictures that qvformat carries in its sources.
//
//   assetgen banner-pbm OUTPUT.pbm the title banner as a PBM image (assets/banner.pbm)
//   assetgen pictures DIRECTORY    the map pictures as BMP files (assets/picture)
//   assetgen item-banners DIRECTORY
//                                  the item category banners as PBM images,
//                                  item_banner_1.pbm to item_banner_6.pbm (assets)
//   assetgen icon OUTPUT.ico       the program's Windows icon (assets/qvformat.ico)
//
// The same fonts and FreeType give the same bytes on every run;
// tests/assets/check_assets.sh compares them with the committed files.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "banner.h"
#include "icon.h"
#include "item_banners.h"
#include "map_pictures.h"
#include "picture_files.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: assetgen banner-pbm OUTPUT.pbm\n"
               "       assetgen pictures DIRECTORY\n"
               "       assetgen item-banners DIRECTORY\n"
               "       assetgen icon OUTPUT.ico\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage();
  const std::string command = argv[1];
  const std::string output = argv[2];
  try {
    if (command == "banner-pbm") {
      assetgen::WritePbm(assetgen::DrawBanner(), output);
    } else if (command == "pictures") {
      assetgen::WriteMapPictures(output);
    } else if (command == "item-banners") {
      assetgen::WriteItemBanners(output);
    } else if (command == "icon") {
      std::vector<assetgen::ColourImage> images;
      for (int size : assetgen::kIconSizes) images.push_back(assetgen::DrawIcon(size));
      assetgen::WriteIco(images, output);
    } else {
      return Usage();
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "assetgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
