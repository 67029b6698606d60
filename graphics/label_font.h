// The font of the map's row and column numbers: "Times New Roman" bold at a
// 40-pixel character height (30 points at 96 dots per inch), rendered in one
// bit per pixel. On Linux fontconfig resolves the name to the metrically
// identical Liberation Serif Bold.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/mono_bitmap.h"

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;

namespace qv {

struct TextExtent {
  int width = 0;   // sum of the characters' advance widths
  int height = 0;  // ascent plus descent
};

class LabelFont {
 public:
  static constexpr int kCharacterHeight = 40;

  // Finds and opens the font; throws qv::Error when it is not installed.
  LabelFont();
  ~LabelFont();
  LabelFont(const LabelFont&) = delete;
  LabelFont& operator=(const LabelFont&) = delete;

  const std::string& file() const { return file_; }
  int ascent() const { return ascent_; }
  int descent() const { return descent_; }

  // The size of an ASCII text as the map lays it out.
  TextExtent Extent(std::string_view text) const;
  // Draws the text with the top-left corner of its extent at (x, y): the
  // extent's box is filled white (a set bit), then the glyphs are drawn
  // black. Whatever falls outside the bitmap is clipped.
  void DrawOpaque(MonoBitmap& bitmap, int x, int y, std::string_view text) const;

 private:
  // A character as rendered: its advance, where its bitmap stands from the
  // pen and the baseline, and the bitmap's rows (one bit a pixel, `pitch`
  // bytes a row).
  struct Glyph {
    int advance = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int rows = 0;
    int pitch = 0;
    std::vector<unsigned char> bits;
  };
  // The glyph of one character, rendered at its first use and kept: the
  // labels are a few digits over and over.
  const Glyph& LoadGlyph(char c) const;

  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
  std::string file_;
  int ascent_ = 0;
  int descent_ = 0;
  mutable std::array<std::unique_ptr<Glyph>, 256> glyphs_;
};

}  // namespace qv
