// The atlas page: its data as the script reads it, escaped texts, pictures
// carried once, and a size that follows the cells rather than the extent.
#include "atlas/atlas_page.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/atlas/sample_worlds.h"
#include "tests/support/scratch_dir.h"
#include "text/cp1250.h"

namespace qv {
namespace {

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
  const std::size_t start = text.find(from);
  if (start == std::string::npos) return "<" + from + " missing>";
  const std::size_t end = text.find(to, start + from.size());
  return text.substr(start + from.size(), end - start - from.size());
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(AtlasPage, DataOfCellsStepsPlacesAndConflicts) {
  AtlasWorld world;
  world.cells = {
      {5, -2, 3, 0, 1, 4, 1234}, {7, -2, 14, 1025, 2, 2, 77}, {-1, 3, 1, 16, 4, 4, 1234}};
  world.steps = {{77, 2, 7, -2, 6}, {1234, 4, -1, 3, 5}};
  world.places = {{7, -2, 2, 77, std::string("Tükörtó <b>\"&\\"_cp)}, {0, 9, 4, 1234, ""}};
  world.conflicts = {{5, -2, 4, "Ellentmondas: (5,-2)"}};
  const std::string page = AtlasPageText(world, test::PlainMapPictures());

  EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
  // Characters sorted: 77 is index 0, 1234 index 1. Per row: y, count, then
  // x (the first itself, then the step), terrain, icons, first, last,
  // character index.
  EXPECT_EQ(Between(page, "const CHARACTERS = [", "]"), "77,1234");
  EXPECT_EQ(Between(page, "const NEWEST = ", ";"), "4");
  EXPECT_EQ(Between(page, "const CELL_DATA = `", "`"),
            "\r\n-2,2,5,3,0,1,4,1,2,14,1025,2,2,0,\r\n3,1,-1,1,16,4,4,1,\r\n");
  EXPECT_EQ(Between(page, "const STEP_DATA = `", "`"), "\r\n0,2,7,-2,6,\r\n1,4,-1,3,5,\r\n");
  // Texts as ASCII escapes: nothing in them closes the script or the string.
  EXPECT_EQ(Between(page, "const PLACES = [", "];"),
            "\r\n[7,-2,\"T\\u00fck\\u00f6rt\\u00f3 \\u003cb\\u003e\\u0022\\u0026\\u005c\"],\r\n"
            "[0,9,\"\"],\r\n");
  EXPECT_EQ(Between(page, "const CONFLICTS = [", "];"),
            "\r\n[5,-2,4,\"Ellentmondas: (5,-2)\"],\r\n");
  // Sixteen pictures, each once; every line ends with CR LF.
  EXPECT_EQ(Count(page, "data:image/bmp;base64,"), 16);
  EXPECT_EQ(Count(page, "\n"), Count(page, "\r\n"));
}

TEST(AtlasPage, SizeFollowsTheCellsNotTheExtent) {
  AtlasWorld near, far;
  near.cells = {{0, 0, 1, 0, 1, 1, 1}, {1, 0, 1, 0, 1, 1, 1}};
  far.cells = {{0, 0, 1, 0, 1, 1, 1}, {1000000, 0, 1, 0, 1, 1, 1}};
  const MapPictures pictures = test::PlainMapPictures();
  const std::size_t nearSize = AtlasPageText(near, pictures).size();
  EXPECT_LE(AtlasPageText(far, pictures).size(), nearSize + 6);  // the digits of 1000000

  // A generated world: a few tens of bytes a cell above the fixed part.
  const AtlasWorld big = test::GeneratedAtlasWorld(20000, 520);
  const std::size_t bigSize = AtlasPageText(big, pictures).size();
  EXPECT_LT(bigSize - nearSize, 40 * big.cells.size());
}

TEST(AtlasPage, WrittenThroughAReplacingFile) {
  const test::TempDir dir;
  const AtlasWorld world = test::SmallAtlasWorld();
  const std::string name = dir.path() + "/" + kAtlasPageName;
  dir.Write(kAtlasPageName, "earlier");
  WriteAtlasPage(world, test::PlainMapPictures(), name);
  EXPECT_EQ(dir.Read(kAtlasPageName), AtlasPageText(world, test::PlainMapPictures()));
}

}  // namespace
}  // namespace qv
