// The map pictures against the outside world: the shipped picture set, and
// libwmf (Debian's libwmf-bin) reading one of our metafiles.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "graphics/label_font.h"
#include "graphics/picture_metafile.h"
#include "maps/map_drawing.h"
#include "maps/picture_set.h"
#include "tests/support/bytes.h"
#include "tests/support/scratch_dir.h"

namespace qv {
namespace {

const std::string kAssets = std::string(QV_SOURCE_DIR) + "/assets/";

TEST(MapShippedPictures, AllSixteenLoadInTheirSizes) {
  const MapPictures p = LoadMapPictures(kAssets);
  ASSERT_EQ(p.terrain.size(), 14u);
  for (const MonoBitmap& tile : p.terrain) {
    EXPECT_EQ(tile.width(), 200);
    EXPECT_EQ(tile.height(), 200);
  }
  // Nine arrow cells 48 apart, eight icon cells 56 apart.
  EXPECT_EQ(p.arrows.width(), 9 * 48);
  EXPECT_GE(p.arrows.height(), 47);
  EXPECT_EQ(p.icons.width(), 8 * 56);
  EXPECT_EQ(p.icons.height(), 56);
}

// libwmf needs its standard fonts before it reads anything; the ones our
// set-up installs stand in for them.
std::string WriteFontmap(const test::TempDir& dir) {
  const std::string l = "/usr/share/fonts/truetype/liberation/LiberationSerif-";
  std::string map;
  for (const char* name :
       {"Times-Roman", "Times-Italic", "Times-Bold", "Times-BoldItalic", "Helvetica",
        "Helvetica-Oblique", "Helvetica-Bold", "Helvetica-BoldOblique", "Courier",
        "Courier-Oblique", "Courier-Bold", "Courier-BoldOblique", "Symbol", "ZapfDingbats"})
    map += std::string("/") + name + " (" + l + "Regular.ttf) ;\n";
  return dir.Write("Fontmap", map);
}

// The RGB pixels of the one image of an EPS file written by wmf2eps, in the
// order the file holds them.
std::vector<uint8_t> EpsImage(const std::string& eps) {
  const std::size_t start = eps.find("colorimage");
  if (start == std::string::npos) return {};
  std::vector<uint8_t> bytes;
  int high = -1;
  for (std::size_t i = eps.find('\n', start) + 1; i < eps.size() && eps[i] != 'g'; ++i) {
    if (!std::isxdigit(static_cast<unsigned char>(eps[i]))) continue;
    const int digit = std::isdigit(static_cast<unsigned char>(eps[i]))
                          ? eps[i] - '0'
                          : std::tolower(static_cast<unsigned char>(eps[i])) - 'a' + 10;
    if (high < 0) {
      high = digit;
    } else {
      bytes.push_back(static_cast<uint8_t>(high * 16 + digit));
      high = -1;
    }
  }
  return bytes;
}

TEST(MapLibwmf, RendersOurMetafileAsOurBitmap) {
  ASSERT_EQ(std::system("command -v wmf2eps >/dev/null"), 0)
      << "wmf2eps is missing: install Debian's libwmf-bin (scripts/install-deps.sh)";
  const MapFrame frame{3, 2, 98, -1};
  MonoBitmap map = NewMapBitmap(frame);
  const auto font = OpenMapLabelFont();
  DrawMapLabels(map, frame, *font);
  const MapPictures pictures = LoadMapPictures(kAssets);
  const MapCell cells[] = {{0, 0, 1, 4, 1025}, {0, 1, 6, 0, 5},   {0, 2, 11, 0, 0},
                           {1, 0, 8, 2, 48},   {1, 1, 9, 9, 300}, {1, 2, 13, 5, 2}};
  for (const MapCell& c : cells) DrawMapCell(map, c, pictures);

  test::TempDir dir;
  const std::vector<uint8_t> wmf = PictureMetafile(map);
  const std::string in = dir.Write("map.wmf", test::AsString(wmf));
  const std::string out = dir.path() + "/map.eps";
  const std::string command = "wmf2eps --wmf-gs-fontmap='" + WriteFontmap(dir) + "' -o '" + out +
                              "' '" + in + "' 2>/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const std::vector<uint8_t> rgb = EpsImage(dir.Read("map.eps"));
  ASSERT_EQ(rgb.size(), 3u * 671 * 467);

  // wmf2eps turns the picture upside down into PostScript's axes, so its
  // rows come bottom-up, as in the bitmap.
  int differences = 0;
  for (int row = 0; row < 467; ++row)
    for (int x = 0; x < 671; ++x) {
      const std::size_t at =
          3 * (static_cast<std::size_t>(row) * 671 + static_cast<std::size_t>(x));
      const bool white = rgb[at] + rgb[at + 1] + rgb[at + 2] >= 3 * 128;
      if (white != map.Get(x, 466 - row)) ++differences;
    }
  EXPECT_EQ(differences, 0);
  // The picture is not trivially white.
  int black = 0;
  for (std::size_t i = 0; i < rgb.size(); i += 3) black += rgb[i] < 128;
  EXPECT_GT(black, 10000);
}

}  // namespace
}  // namespace qv
