// Drawing a map picture: its size, the unscaled and stretched copies, the
// tiles, arrows and icons of a cell, and the row and column numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "graphics/aligned_picture.h"
#include "graphics/bitmap_copy.h"
#include "graphics/label_font.h"
#include "maps/map_drawing.h"
#include "maps/picture_set.h"
#include "platform/error.h"
#include "platform/path_names.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_pictures.h"

namespace qv {
namespace {

// A 3 x 2 map: 200 * 3 + 71 by 200 * 2 + 67 pixels.
const MapFrame kThreeByTwo{3, 2, 10, 8};

class MapDrawing : public ::testing::Test {
 protected:
  MapDrawing() {
    test::WriteTestPictures(dir);
    pictures = std::make_unique<MapPictures>(LoadMapPictures(dir.path() + "/"));
  }
  MonoBitmap DrawOne(const MapCell& cell) {
    MonoBitmap map = NewMapBitmap(kThreeByTwo);
    DrawMapCell(map, cell, *pictures);
    return map;
  }
  test::TempDir dir;
  std::unique_ptr<MapPictures> pictures;
};

TEST(MapPicture, SizeFollowsTheFrameAndStartsWhite) {
  const MonoBitmap map = NewMapBitmap(kThreeByTwo);
  EXPECT_EQ(map.width(), 671);
  EXPECT_EQ(map.height(), 467);
  for (int y : {0, 200, 466})
    for (int x : {0, 335, 670}) EXPECT_TRUE(map.Get(x, y)) << x << "," << y;
  // 671 pixels fill 83 bytes and 7 bits; the row's padding stays clear.
  EXPECT_EQ(map.rowBytes(), 84);
  EXPECT_EQ(map.Row(0)[83], 0xFE);
  // Padding of whole bytes stays clear too: 33 pixels take 5 of 8 bytes.
  const MonoBitmap ones = MonoBitmap::AllOnes(33, 2);
  for (int y : {0, 1})
    EXPECT_EQ(std::vector<uint8_t>(ones.Row(y), ones.Row(y) + 8),
              (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0, 0, 0}));
}

// A frame has 0 to 100 tiles each way; the picture data of the largest is
// 20071 pixels in 2512 bytes a row, by 20067 rows.
TEST(MapPicture, FramesOfNoneToAHundredTilesEachWay) {
  EXPECT_EQ(NewMapBitmap({0, 0, 0, 0}).width(), 71);
  EXPECT_EQ(NewMapBitmap({100, 0, 0, 0}).width(), 20071);
  EXPECT_EQ(NewMapBitmap({0, 100, 0, 0}).height(), 20067);
  EXPECT_EQ(MapPictureBytes({3, 2, 0, 0}), 84 * 467);
  EXPECT_EQ(MapPictureBytes({100, 100, 0, 0}), 2512 * 20067);
  for (const MapFrame frame :
       {MapFrame{-1, 2}, MapFrame{2, -1}, MapFrame{101, 1}, MapFrame{1, 101}, MapFrame{163, 163},
        MapFrame{INT32_MAX, 1}, MapFrame{INT32_MIN, INT32_MIN}})
    EXPECT_THROW(NewMapBitmap(frame), Error) << frame.columns << " x " << frame.rows;
  try {
    CheckMapFrame({163, 163, 0, 0}, "a_1.htm");
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), "Terkephiba");
    EXPECT_EQ(e.text(),
              "'a_1.htm' terkepe 163 x 163 mezos; egy terkep mindket iranyban 0-100 mezos lehet");
  }
}

// Tiles are copied a byte at a time where they can be: every bit offset,
// clipped edges and the last partial byte must give the pixels one by one.
TEST(MapPicture, UnscaledCopyKeepsEveryPixel) {
  MonoBitmap source(37, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 37; ++x) source.Set(x, y, (x * 5 + y * 3) % 7 < 3);
  for (int dx = -9; dx <= 17; ++dx) {
    MonoBitmap target(45, 5);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 45; ++x) target.Set(x, y, (x + y) % 2 == 0);
    const MonoBitmap before = target;
    CopyUnscaled(target, dx, 1, source);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 45; ++x) {
        const bool inside = x >= dx && x < dx + 37 && y >= 1 && y < 4;
        ASSERT_EQ(target.Get(x, y), inside ? source.Get(x - dx, y - 1) : before.Get(x, y))
            << "offset " << dx << " pixel " << x << "," << y;
      }
    // The padding of the target's rows is untouched.
    ASSERT_EQ(target.Row(2)[5] & 0x07, before.Row(2)[5] & 0x07);
  }
}

// A picture kept aligned to a bit position copies the same pixels as the
// picture itself: at its own position (a byte at a time), at every other
// one, and clipped at each edge; pictures of one byte a row or less, of a
// few bytes and of a tile's width, each at every position.
TEST(MapPicture, AlignedCopyKeepsEveryPixel) {
  for (const int width : {1, 3, 8, 9, 17, 64, 75, 200}) {
    MonoBitmap source(width, 4);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < width; ++x) source.Set(x, y, (x * 5 + y * 3 + width) % 7 < 3);
    for (int phase = 0; phase < 8; ++phase) {
      const AlignedPicture aligned(source, phase);
      EXPECT_EQ(aligned.phase(), phase);
      const int targetWidth = width + 21;
      for (int dx = -9; dx <= width / 8 * 8 + 16; ++dx)
        for (const int dy : {-2, 0, 3}) {
          MonoBitmap target(targetWidth, 6);
          for (int y = 0; y < 6; ++y)
            for (int x = 0; x < targetWidth; ++x) target.Set(x, y, (x + y) % 2 == 0);
          const MonoBitmap before = target;
          CopyUnscaled(target, dx, dy, aligned);
          for (int y = 0; y < 6; ++y)
            for (int x = 0; x < targetWidth; ++x) {
              const bool inside = x >= dx && x < dx + width && y >= dy && y < dy + 4;
              ASSERT_EQ(target.Get(x, y), inside ? source.Get(x - dx, y - dy) : before.Get(x, y))
                  << "width " << width << " phase " << phase << " at " << dx << "," << dy
                  << " pixel " << x << "," << y;
            }
          // The padding bits after each row's last pixel stay clear.
          for (int y = 0; y < 6; ++y)
            for (int p = targetWidth; p < 8 * target.rowBytes(); ++p)
              ASSERT_EQ((target.Row(y)[p >> 3] >> (7 - (p & 7))) & 1, 0) << p;
        }
    }
  }
}

// Stretched copies go a run of source columns at a time: widening and
// narrowing, every bit offset, source rectangles reaching past the source
// (white) and target rectangles clipped at the edges must give the nearest
// source pixel below, one pixel at a time.
TEST(MapPicture, StretchedCopyTakesTheNearestSourcePixelBelow) {
  MonoBitmap source(29, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 29; ++x) source.Set(x, y, (x * 3 + y * 5) % 7 < 3);
  const PixelRect froms[] = {{0, 0, 29, 6}, {3, 1, 26, 5}, {20, -2, 35, 4}, {-4, 0, 9, 6}};
  const int64_t widths[] = {1, 7, 23, 24, 31, 58};
  for (const PixelRect& from : froms)
    for (const int64_t w : widths)
      for (int64_t dx = -5; dx <= 12; ++dx) {
        MonoBitmap target(50, 9);
        for (int y = 0; y < 9; ++y)
          for (int x = 0; x < 50; ++x) target.Set(x, y, (x + 2 * y) % 3 == 0);
        const MonoBitmap before = target;
        const PixelRect to{dx, 1, dx + w, 8};
        CopyStretched(target, to, source, from);
        const int64_t sw = from.right - from.left, sh = from.bottom - from.top;
        for (int y = 0; y < 9; ++y)
          for (int x = 0; x < 50; ++x) {
            bool expected = before.Get(x, y);
            if (x >= to.left && x < to.right && y >= to.top && y < to.bottom) {
              const int64_t sx = from.left + (x - to.left) * sw / w;
              const int64_t sy = from.top + (y - to.top) * sh / 7;
              expected = sx < 0 || sx >= 29 || sy < 0 || sy >= 6 ||
                         source.Get(static_cast<int>(sx), static_cast<int>(sy));
            }
            ASSERT_EQ(target.Get(x, y), expected)
                << "from " << from.left << "," << from.top << " width " << w << " offset " << dx
                << " pixel " << x << "," << y;
          }
        // The padding of the target's rows stays clear.
        ASSERT_EQ(target.Row(4)[6] & 0x3F, 0);
      }
}

TEST_F(MapDrawing, TerrainTileIsDrawnWithItsCornerAtTheCellCorner) {
  // Row 1, column 2: the tile's corner at (68 + 400, 64 + 200).
  const MonoBitmap map = DrawOne({1, 2, 3, 0, 0});
  EXPECT_FALSE(map.Get(468, 264));
  EXPECT_TRUE(map.Get(467, 264));
  EXPECT_TRUE(map.Get(468, 263));
  EXPECT_TRUE(map.Get(469, 265));
  EXPECT_FALSE(map.Get(667, 463));  // the tile's far corner
  // Terrain 3's bar: 15 pixels in the tile's row 5.
  EXPECT_FALSE(map.Get(482, 269));
  EXPECT_TRUE(map.Get(483, 269));
}

TEST_F(MapDrawing, EveryTerrainNumberTakesItsOwnFile) {
  for (int t = 1; t <= 14; ++t) {
    SCOPED_TRACE(t);
    const MonoBitmap map = DrawOne({0, 0, t, 0, 0});
    EXPECT_FALSE(map.Get(68 + 5 * t - 1, 69));
    EXPECT_TRUE(map.Get(68 + 5 * t, 69));
  }
  // Outside 1..14 nothing is drawn.
  for (int t : {0, 15, -3}) EXPECT_TRUE(DrawOne({0, 0, t, 0, 0}).Get(68, 64));
}

TEST_F(MapDrawing, CellsOutsideThePictureAreClipped) {
  MonoBitmap map = NewMapBitmap(kThreeByTwo);
  DrawMapCell(map, {-1, -1, 1, 1, 1}, *pictures);  // only its far corner shows
  DrawMapCell(map, {1, 3, 1, 1, 1}, *pictures);    // right of the grid, 3 columns in
  DrawMapCell(map, {2000000000, 2000000000, 1, 1, 1}, *pictures);
  // The extremes of 32 bits fall outside too, with every arrow and icon.
  DrawMapCell(map, {INT32_MAX, INT32_MAX, 1, 9, INT32_MAX}, *pictures);
  DrawMapCell(map, {INT32_MIN, INT32_MIN, 1, 1, INT32_MAX}, *pictures);
  DrawMapCell(map, {INT32_MIN, 0, 1, 1, 1}, *pictures);
  EXPECT_FALSE(map.Get(67, 63));
  EXPECT_FALSE(map.Get(668, 264));
  EXPECT_TRUE(map.Get(68, 64));
}

// The arrow's 48 x 48 destination at (145 + 200 * column, 141 + 200 * row)
// is black but for the arrow's hole.
TEST_F(MapDrawing, ArrowFillsTheCellCentre) {
  const MonoBitmap map = DrawOne({0, 1, 5, 4, 0});
  const int x0 = 345, y0 = 141;
  EXPECT_FALSE(map.Get(x0, y0));
  EXPECT_FALSE(map.Get(x0 + 47, y0 + 47));
  EXPECT_FALSE(map.Get(x0 + 47, y0));
  EXPECT_TRUE(map.Get(x0 - 1, y0 + 10));
  EXPECT_TRUE(map.Get(x0 + 48, y0 + 10));
  EXPECT_TRUE(map.Get(x0 + 10, y0 - 1));
  EXPECT_TRUE(map.Get(x0 + 10, y0 + 48));
  // Arrow 4's hole (source x 16..21, y 20..25) shows; arrow 2's place
  // (source x 8..13) is black.
  EXPECT_TRUE(map.Get(x0 + 19, y0 + 23));
  EXPECT_FALSE(map.Get(x0 + 11, y0 + 23));
  for (int arrow : {0, 10, -1, INT32_MAX, INT32_MIN})
    EXPECT_TRUE(DrawOne({0, 1, 5, arrow, 0}).Get(x0 + 1, y0 + 1));
  EXPECT_TRUE(DrawOne({0, 1, 5, 9, 0}).Get(x0 + 39, y0 + 23));  // hole at 36..41
}

// The pictures made ready for the grid draw what the pictures themselves
// do: every terrain, arrow and icon number (and ones outside their
// ranges), cells inside the map, across its edges and far outside; with
// the test set, and with a set of other sizes, whose tiles are smaller than
// a cell and whose strips end before their last arrows and icons (the
// missing pixels white).
TEST_F(MapDrawing, ReadyPicturesDrawTheSamePixels) {
  const auto mottled = [](int width, int height, int seed) {
    MonoBitmap picture(width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) picture.Set(x, y, (x * 7 + y * 3 + seed) % 5 < 2);
    return picture;
  };
  std::vector<MonoBitmap> terrain;
  for (int t = 1; t <= kTerrainCount; ++t) terrain.push_back(mottled(150 + 3 * t, 190 - t, t));
  const MapPictures odd{std::move(terrain), mottled(300, 50, 20), mottled(250, 40, 30)};

  std::vector<MapCell> cells;
  for (int t = -1; t <= 15; ++t) cells.push_back({t % 2, t % 3, t, (t + 2) % 11, 1 << (t & 15)});
  for (int arrow = 0; arrow <= 10; ++arrow) cells.push_back({1, 1, 5, arrow, 0});
  for (const int mask : {1, 2, 4, 8, 16, 64, 128, 1024, 2047, 300, INT32_MAX, 0, -5})
    cells.push_back({0, 2, 7, 3, mask});
  for (const MapCell edge :
       {MapCell{-1, -1, 1, 1, 1025}, MapCell{2, 3, 2, 9, 1025}, MapCell{-1, 2, 3, 4, 2047},
        MapCell{1, -1, 4, 5, 2047}, MapCell{INT32_MAX, INT32_MIN, 6, 7, INT32_MAX}})
    cells.push_back(edge);

  for (const MapPictures* set : {static_cast<const MapPictures*>(pictures.get()), &odd}) {
    CellPictures ready{MapPictures(*set)};
    MonoBitmap simple = NewMapBitmap(kThreeByTwo), fast = NewMapBitmap(kThreeByTwo);
    for (const MapCell& cell : cells) {
      DrawMapCell(simple, cell, *set);
      DrawMapCell(fast, cell, ready);
      ASSERT_TRUE(
          std::equal(simple.DibRows().begin(), simple.DibRows().end(), fast.DibRows().begin()))
          << "cell " << cell.row << "," << cell.column << " terrain " << cell.terrain << " arrow "
          << cell.arrow << " icons " << cell.icons;
    }
  }
}

enum Place { kUpperLeft, kUpperRight, kLowerLeft, kLowerRight };

// Which icon (0..7) shows at a place of cell (0, 0), or -1 when the tile
// shows there.
int IconAt(const MonoBitmap& map, Place place) {
  const int x0 = 68 + (place == kUpperRight || place == kLowerRight ? 126 : 20);
  const int y0 = 64 + (place == kLowerLeft || place == kLowerRight ? 126 : 20);
  if (map.Get(x0 + 1, y0 + 1)) return -1;
  int shown = -2;
  for (int k = 0; k < 8; ++k)
    if (map.Get(x0 + 6 + 6 * k, y0 + 28)) shown = shown == -2 ? k : -3;
  return shown;  // -2: none, -3: several
}

TEST_F(MapDrawing, IconMasksAreTakenApartFromTheHighestValueDown) {
  struct Case {
    int mask;
    int upperLeft, upperRight, lowerLeft, lowerRight;
  };
  const Case cases[] = {
      {1025, 0, -1, -1, 7},  // 1024: icon 7 lower right, 1: icon 0 upper left
      {5, 0, 2, -1, -1},     // 4: icon 2 upper right
      {48, 4, -1, -1, -1},   // 32 has no icon, 16: icon 4 upper left
      {300, -1, 2, -1, -1},  // 256 and 32 none; 8 draws icon 3, then 4 draws icon 2 over it
      {2, -1, -1, 1, -1},   {192, -1, -1, -1, 5},  // 128 draws icon 6, then 64 icon 5 over it
      {17, 0, -1, -1, -1},                         // 16 draws icon 4, then 1 icon 0 over it
      {0, -1, -1, -1, -1},  {-5, -1, -1, -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask);
    const MonoBitmap map = DrawOne({0, 0, 5, 0, c.mask});
    EXPECT_EQ(IconAt(map, kUpperLeft), c.upperLeft);
    EXPECT_EQ(IconAt(map, kUpperRight), c.upperRight);
    EXPECT_EQ(IconAt(map, kLowerLeft), c.lowerLeft);
    EXPECT_EQ(IconAt(map, kLowerRight), c.lowerRight);
  }
  // The largest mask takes every value once: the last icon of each place
  // shows. The smallest draws none.
  const MonoBitmap all = DrawOne({0, 0, 5, 0, INT32_MAX});
  EXPECT_EQ(IconAt(all, kUpperLeft), 0);
  EXPECT_EQ(IconAt(all, kUpperRight), 2);
  EXPECT_EQ(IconAt(all, kLowerLeft), 1);
  EXPECT_EQ(IconAt(all, kLowerRight), 5);
  EXPECT_EQ(IconAt(DrawOne({0, 0, 5, 0, INT32_MIN}), kUpperLeft), -1);
  // An icon covers its 56 x 56 square: (126, 126) to (181, 181) of the cell.
  const MonoBitmap map = DrawOne({0, 0, 5, 0, 1024});
  EXPECT_FALSE(map.Get(68 + 126, 64 + 126));
  EXPECT_FALSE(map.Get(68 + 181, 64 + 181));
  EXPECT_TRUE(map.Get(68 + 182, 64 + 150));
  EXPECT_TRUE(map.Get(68 + 150, 64 + 182));
}

// --- Labels -------------------------------------------------------------------

// Liberation Serif Bold (metric twin of Times New Roman) at 40 pixels per
// em: digits are half an em wide; the height is the Windows ascent 1825 and
// descent 443 of 2048 units, each rounded: 36 + 9.
TEST(MapLabels, ExtentIsAdvanceWidthsByAscentPlusDescent) {
  const auto font = OpenMapLabelFont();
  EXPECT_EQ(font->Ascent(), 36);
  EXPECT_EQ(font->Descent(), 9);
  EXPECT_EQ(LabelExtent(*font, "8").width, 20);
  EXPECT_EQ(LabelExtent(*font, "10").width, 40);
  EXPECT_EQ(LabelExtent(*font, "-12").width, LabelExtent(*font, "-").width + 40);
  EXPECT_EQ(LabelExtent(*font, "10").height, 45);
  EXPECT_EQ(LabelExtent(*font, "").width, 0);
}

struct Ink {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // inclusive
  bool any() const { return right >= 0; }
};

Ink InkIn(const MonoBitmap& map, int x0, int y0, int x1, int y1) {
  Ink ink;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if (!map.Get(x, y)) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
      }
  return ink;
}

TEST(MapLabels, ColumnNumbersStandCentredAboveTheirColumns) {
  const auto font = OpenMapLabelFont();
  MonoBitmap map = NewMapBitmap({3, 2, 10, 8});
  DrawMapLabels(map, {3, 2, 10, 8}, *font);
  // "10": x = 68 + (203 - 40) / 2 = 149, y = 64 - 45 = 19; its box is
  // 40 x 45 and the digits stand on the baseline at 19 + 36.
  const Ink ten = InkIn(map, 68, 0, 268, 64);
  ASSERT_TRUE(ten.any());
  EXPECT_GE(ten.left, 149);
  EXPECT_LE(ten.right, 188);
  EXPECT_GE(ten.top, 19);
  EXPECT_GE(ten.bottom, 53);
  EXPECT_LE(ten.bottom, 55);
  // The next columns carry "11" and "12" 200 pixels further on.
  const Ink twelve = InkIn(map, 468, 0, 668, 64);
  EXPECT_GE(twelve.left, 549);
  EXPECT_LE(twelve.right, 588);
  // Nothing is drawn inside the grid or in the corner.
  EXPECT_FALSE(InkIn(map, 68, 64, 671, 467).any());
  EXPECT_FALSE(InkIn(map, 0, 0, 68, 64).any());
}

TEST(MapLabels, RowNumbersEndEightPixelsLeftOfTheGrid) {
  const auto font = OpenMapLabelFont();
  const MapFrame frame{1, 3, 0, 9};  // rows "9", "10", "11"
  MonoBitmap map = NewMapBitmap(frame);
  DrawMapLabels(map, frame, *font);
  EXPECT_FALSE(InkIn(map, 60, 64, 271, 667).any());
  std::vector<Ink> rows;
  for (int j = 0; j < 3; ++j) {
    rows.push_back(InkIn(map, 0, 64 + 200 * j, 60, 264 + 200 * j));
    ASSERT_TRUE(rows.back().any());
    EXPECT_GE(rows.back().right, 54) << j;  // the last digit reaches close to x = 60
  }
  // "9" starts at 60 - 20, "10" at 60 - 40; both boxes are 45 high at
  // y = 64 + 200 * j + (203 - 45) / 2 = 143 + 200 * j, baseline 36 lower.
  EXPECT_GE(rows[0].left, 40);
  EXPECT_LT(rows[1].left, 40);
  EXPECT_GE(rows[1].left, 20);
  for (int j = 0; j < 3; ++j) {
    EXPECT_GE(rows[j].top, 143 + 200 * j);
    EXPECT_GE(rows[j].bottom, 177 + 200 * j);
    EXPECT_LE(rows[j].bottom, 179 + 200 * j);
  }
  EXPECT_EQ(rows[1].top - 200, rows[2].top - 400);
}

TEST(MapLabels, NoLabelsForAnEmptyDirection) {
  const auto font = OpenMapLabelFont();
  MonoBitmap noColumns = NewMapBitmap({0, 1, 5, 5});
  DrawMapLabels(noColumns, {0, 1, 5, 5}, *font);
  EXPECT_FALSE(InkIn(noColumns, 0, 0, 71, 64).any());
  EXPECT_TRUE(InkIn(noColumns, 0, 64, 60, 267).any());
  MonoBitmap noRows = NewMapBitmap({1, 0, 5, 5});
  DrawMapLabels(noRows, {1, 0, 5, 5}, *font);
  EXPECT_TRUE(InkIn(noRows, 68, 0, 271, 64).any());
  EXPECT_FALSE(InkIn(noRows, 0, 64, 68, 67).any());
}

TEST(MapLabels, LabelBoxIsOpaqueWhite) {
  const auto font = OpenMapLabelFont();
  MonoBitmap map(100, 60);  // all black
  DrawLabel(map, *font, 10, 5, "10");
  // The 40 x 45 box is white where the digits leave it, black around it.
  EXPECT_TRUE(map.Get(10, 5));
  EXPECT_TRUE(map.Get(49, 49));
  EXPECT_FALSE(map.Get(9, 20));
  EXPECT_FALSE(map.Get(50, 20));
  EXPECT_FALSE(map.Get(20, 50));
  EXPECT_TRUE(InkIn(map, 10, 5, 50, 50).any());
  // Drawing past the picture's edges is clipped.
  DrawLabel(map, *font, -30, -20, "-123");
  DrawLabel(map, *font, 90, 50, "456");
}

}  // namespace
}  // namespace qv
