// The text layout every label font backend shares, checked with a font of
// made-up glyphs: pen, kerning and tracking, the ink box, labels drawn
// opaque with their ink wherever it falls, and the label text's characters.
#include "graphics/label_font.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace qv {
namespace {

// "A": two rows of ink above the baseline, right of the pen. "B": one
// column that starts left of the pen and reaches below the baseline. Any
// other character: an advance of 3 without ink. "AB" is kerned by -1.
class MadeUpFont : public LabelFont {
 public:
  MadeUpFont() {
    glyphs_[U'A'] = Glyph{5, 1, 3, 2, 2, {0b11000000, 0b01000000}};
    glyphs_[U'B'] = Glyph{4, -1, 1, 1, 3, {0x80, 0x80, 0x80}};
    // "W": 11 columns, ink in every other one; the padding bits after the
    // last column are set and must not be drawn.
    glyphs_[U'W'] = Glyph{12, 0, 2, 11, 2, {0b10101010, 0b10111111, 0b01010101, 0b01011111}};
  }
  int Ascent() const override { return 3; }
  int Descent() const override { return 1; }
  const Glyph& GlyphOf(char32_t c) const override {
    asked.push_back(c);
    const auto found = glyphs_.find(c);
    return found != glyphs_.end() ? found->second : blank_;
  }
  int Kerning(char32_t left, char32_t right) const override {
    return left == U'A' && right == U'B' ? -1 : 0;
  }
  mutable std::u32string asked;

 private:
  std::map<char32_t, Glyph> glyphs_;
  Glyph blank_{3, 0, 0, 0, 0, {}};
};

// The picture as rows of "#" (black, a clear bit) and "." (white).
std::vector<std::string> Picture(const MonoBitmap& bitmap) {
  std::vector<std::string> rows;
  for (int y = 0; y < bitmap.height(); ++y) {
    std::string row;
    for (int x = 0; x < bitmap.width(); ++x) row += bitmap.Get(x, y) ? '.' : '#';
    rows.push_back(row);
  }
  return rows;
}

// "A" at pen 0, the pen at 5 + 2 (tracking) - 1 (kerning) = 6 for "B",
// which ends at 10 with no tracking after it.
TEST(LabelLayout, PenMovesByAdvanceKerningAndTracking) {
  const MadeUpFont font;
  std::vector<std::vector<int>> visits;
  EXPECT_EQ(LayOutText(font, U"AB", 2,
                       [&](const Glyph& g, int left, int top) {
                         visits.push_back({g.advance, left, top});
                       }),
            10);
  EXPECT_EQ(visits, (std::vector<std::vector<int>>{{5, 1, -3}, {4, 5, -1}}));
  // The ink of "A" spans x 1..3, y -3..-1; that of "B" x 5..6, y -1..2.
  const InkBox ink = MeasureInk(font, U"AB", 2);
  EXPECT_EQ(std::vector<int>({ink.left, ink.top, ink.right, ink.bottom}),
            std::vector<int>({1, -3, 6, 2}));
  EXPECT_EQ(ink.width(), 5);
  EXPECT_EQ(ink.height(), 5);
  const InkBox none = MeasureInk(font, U" x", 2);
  EXPECT_EQ(std::vector<int>({none.left, none.top, none.right, none.bottom}),
            std::vector<int>({0, 0, 0, 0}));
  EXPECT_EQ(LayOutText(font, U"", 2, [](const Glyph&, int, int) { FAIL(); }), 0);
}

// The extent of "AB" is 5 - 1 + 4 = 8 by 3 + 1; at (2, 1) its box is
// x 2..9, y 1..4 and the baseline y = 4. The tail of "B" at y = 5 lies
// below the box and is drawn all the same.
TEST(LabelLayout, LabelBoxWhiteThenTheInkWhereverItFalls) {
  const MadeUpFont font;
  EXPECT_EQ(LabelExtent(font, "AB").width, 8);
  EXPECT_EQ(LabelExtent(font, "AB").height, 4);

  MonoBitmap black(12, 7);
  DrawLabel(black, font, 2, 1, "AB");
  EXPECT_EQ(Picture(black), (std::vector<std::string>{
                                "############",
                                "##.##.....##",
                                "##..#.....##",
                                "##...#....##",
                                "##...#....##",
                                "############",
                                "############",
                            }));
  MonoBitmap white = MonoBitmap::AllOnes(12, 7);
  DrawLabel(white, font, 2, 1, "AB");
  EXPECT_EQ(Picture(white)[5], ".....#......");
  // Past every edge: clipped.
  DrawLabel(white, font, -4, -3, "ABAB");
  DrawLabel(white, font, 9, 5, "ABAB");
}

// A glyph wider than a byte at every bit offset and across both edges: its
// ink lands column by column where it falls, within the picture, and its
// padding bits never do.
TEST(LabelLayout, WideInkAtEveryOffsetAndAcrossTheEdges) {
  const MadeUpFont font;
  const Glyph& w = font.GlyphOf(U'W');
  for (int x = -12; x <= 24; ++x) {
    MonoBitmap drawn = MonoBitmap::AllOnes(21, 4);
    DrawLabel(drawn, font, x, 0, "W");
    MonoBitmap expected = MonoBitmap::AllOnes(21, 4);  // the white box changes nothing
    for (int r = 0; r < 2; ++r)
      for (int col = 0; col < 11; ++col)
        if (w.Ink(col, r) && x + col >= 0 && x + col < 21) expected.Set(x + col, 1 + r, false);
    ASSERT_EQ(Picture(drawn), Picture(expected)) << "at x = " << x;
  }
}

// The white box of labels without ink, narrower and wider than a byte, at
// every offset and across both edges: exactly the box's pixels inside the
// picture turn white.
TEST(LabelLayout, LabelBoxAtEveryOffset) {
  const MadeUpFont font;
  for (const std::string text : {"x", "xxx", "xxxxxxx", "xxxxxxxxxxxx"}) {
    const int width = 3 * static_cast<int>(text.size());
    for (int x = -40; x <= 42; ++x) {
      MonoBitmap drawn(41, 6);
      DrawLabel(drawn, font, x, 1, text);
      for (int py = 0; py < 6; ++py)
        for (int px = 0; px < 41; ++px)
          ASSERT_EQ(drawn.Get(px, py), px >= x && px < x + width && py >= 1 && py < 5)
              << text << " at x = " << x << ", pixel " << px << "," << py;
      for (int py = 0; py < 6; ++py) ASSERT_EQ(drawn.Row(py)[5] & 0x7F, 0);  // padding
    }
  }
}

// Label texts are the tool's Windows-1250 bytes: "ő" is U+0151, and a byte
// the set leaves unused asks for "?".
TEST(LabelLayout, LabelTextIsReadAsWindows1250) {
  const MadeUpFont font;
  EXPECT_EQ(LabelExtent(font, "1\xF5\x81").width, 9);
  EXPECT_EQ(font.asked, U"1\u0151?");
}

}  // namespace
}  // namespace qv
