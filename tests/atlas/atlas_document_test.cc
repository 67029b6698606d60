// The printable atlas: its sheets, their pictures, and the document's
// structure, texts and size.
#include "atlas/atlas_document.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "atlas/atlas_sheets.h"
#include "atlas/sheet_pictures.h"
#include "tests/atlas/sample_worlds.h"
#include "tests/support/rtf_structure.h"
#include "text/cp1250.h"

namespace qv {
namespace {

AtlasWorld Block(int x0, int y0, int columns, int rows, int terrain) {
  AtlasWorld world;
  for (int y = y0; y < y0 + rows; ++y)
    for (int x = x0; x < x0 + columns; ++x) world.cells.push_back({x, y, terrain, 0, 1, 1, 5});
  return world;
}

TEST(AtlasSheets, FewestSheetsAndFloorsBelowZero) {
  // A whole sheet's block off the zero lines takes one sheet, not four.
  std::vector<AtlasSheet> sheets = AtlasSheets(Block(3, 4, kSheetColumns, kSheetRows, 1));
  ASSERT_EQ(sheets.size(), 1u);
  EXPECT_EQ(sheets[0].Left(), 3);
  EXPECT_EQ(sheets[0].Top(), 4);
  EXPECT_EQ(sheets[0].cells.size(), std::size_t{kSheetColumns * kSheetRows});

  // Below zero: -12..-1 and -16..-1 are one sheet; far cells one each, in
  // reading order (by row, then column).
  AtlasWorld world = Block(-12, -16, kSheetColumns, kSheetRows, 1);
  world.cells.insert(world.cells.begin(), {500000, -900000, 2, 0, 1, 1, 5});
  world.cells.push_back({-700000, 5, 2, 0, 1, 1, 5});
  sheets = AtlasSheets(world);
  ASSERT_EQ(sheets.size(), 3u);
  EXPECT_EQ(sheets[1].Left(), -12);
  EXPECT_EQ(sheets[1].Top(), -16);
  EXPECT_EQ(sheets[0].number, 1);
  EXPECT_TRUE(sheets[0].Holds(500000, -900000));
  EXPECT_TRUE(sheets[2].Holds(-700000, 5));
  EXPECT_EQ(SheetAt(sheets, -1, -1), &sheets[1]);
  EXPECT_EQ(SheetAt(sheets, 0, 0), nullptr);
}

TEST(AtlasSheets, PictureHasTheCellWhereTheRulersSayAndStaysSmall) {
  const auto font = OpenMapLabelFont();
  const MapPictures pictures = test::PlainMapPictures();
  const SheetPainter painter(pictures, *font);
  AtlasWorld world = Block(0, 0, kSheetColumns, kSheetRows, 2);  // white tiles
  world.cells[3 * kSheetColumns + 2].terrain = 1;                // black at (2, 3)
  const std::vector<AtlasSheet> sheets = AtlasSheets(world);
  ASSERT_EQ(sheets.size(), 1u);
  const MonoBitmap sheet = painter.Sheet(world, sheets[0], {});
  // The grid ends 2 pixels before the right edge; rows start under an
  // 18-pixel ruler.
  const int left = sheet.width() - 2 - kSheetColumns * kSheetPitch;
  EXPECT_EQ(sheet.height(), 18 + kSheetRows * kSheetPitch + 2);
  const auto centre = [&](int x, int y) {
    return sheet.Get(left + x * kSheetPitch + kSheetPitch / 2,
                     18 + y * kSheetPitch + kSheetPitch / 2);
  };
  EXPECT_FALSE(centre(2, 3));  // black
  EXPECT_TRUE(centre(3, 3));
  EXPECT_TRUE(centre(2, 4));
  // The row numbers' strip holds ink (the labels), the pitch keeps a sheet
  // of a few ten kilobytes.
  EXPECT_LT(static_cast<int>(sheet.DibRows().size()), 24 * 1024);
}

TEST(AtlasDocument, StructureTextsAndSheetsOfTheSmallWorld) {
  const auto font = OpenMapLabelFont();
  RtfWriter out = RtfWriter::InMemory();
  WriteAtlasDocument(test::SmallAtlasWorld(), test::PlainMapPictures(), *font, PrologueFonts{},
                     out);
  const std::string rtf = out.Text();
  EXPECT_EQ(test::RtfStructureFaults(rtf), "");
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1250", 0), 0u);
  EXPECT_EQ(rtf.substr(rtf.size() - 3), "}\r\n");
  EXPECT_NE(rtf.find("{\\cs16\\b\\f6\\fs20\\lang1033 > 60. forduló }"_cp), std::string::npos);
  // The far cells (1000..1002, -500) and the 8 x 8 block each fit one sheet
  // (the grid's origin moved), numbered from the top.
  EXPECT_NE(rtf.find("1. lap – x 999–1010, y -508 – -493"_cp), std::string::npos);
  EXPECT_NE(rtf.find("2. lap – x 51–62, y 20–35"_cp), std::string::npos);
  EXPECT_EQ(rtf.find("3. lap"), std::string::npos);
  // Banner, overview, two sheets; each sheet at 28 twips a pixel.
  int pictures = 0;
  for (std::size_t at = rtf.find("{\\pict"); at != std::string::npos;
       at = rtf.find("{\\pict", at + 1))
    ++pictures;
  EXPECT_EQ(pictures, 4);
  EXPECT_NE(rtf.find("\\pichgoal" + std::to_string(28 * (18 + kSheetRows * kSheetPitch + 2))),
            std::string::npos);
  // The index: sorted by name without regard to accents, each with its
  // sheet; a place on no seen part has none; the name escaped.
  const std::size_t index = rtf.find("Helyek mutatója"_cp);
  ASSERT_NE(index, std::string::npos);
  const std::string tail = rtf.substr(index);
  const std::size_t named = tail.find("(név nélkül)"_cp), arnyek = tail.find("Árnyékvölgy"_cp),
                    kis = tail.find("Kis Tükörtó <b> & \"idézet\""_cp),
                    latatlan = tail.find("Látatlan rév"_cp),
                    tukor = tail.find("{\\f4\\fs20 Tükörtó}"_cp);
  EXPECT_LT(named, arnyek);
  EXPECT_LT(arnyek, kis);
  EXPECT_LT(kis, latatlan);
  EXPECT_LT(latatlan, tukor);
  ASSERT_NE(tukor, std::string::npos);
  EXPECT_NE(tail.find("{\\f4\\fs20 (57,31)}\\cell\r\n{\\f4\\fs20 2. lap}\\cell", tukor),
            std::string::npos);
  EXPECT_NE(tail.find("{\\f4\\fs20 (63,34)}\\cell\r\n{\\f4\\fs20 –}\\cell"_cp, latatlan),
            std::string::npos);
}

TEST(AtlasDocument, GeneratedWorldStaysWithinItsBudgetPerCell) {
  // 50 MB for a ten-year atlas of 50,000 cells: 1,000 bytes a cell at most.
  const auto font = OpenMapLabelFont();
  const AtlasWorld world = test::GeneratedAtlasWorld(5000, 520);
  RtfWriter out = RtfWriter::InMemory();
  WriteAtlasDocument(world, test::PlainMapPictures(), *font, PrologueFonts{}, out);
  EXPECT_LT(out.Text().size(), 1000 * world.cells.size());
  EXPECT_EQ(test::RtfStructureFaults(out.Text()), "");
}

}  // namespace
}  // namespace qv
