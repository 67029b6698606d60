// Text in one-bit glyphs: the map's row and column numbers, and the title of
// the banner that tools/assetgen draws. The font is one backend per build,
// picked by CMake (label_font_freetype.cc: FreeType with fontconfig;
// label_font_gdi.cc: Windows' GDI); what is
// laid out and drawn from its glyphs is shared (label_font.cc), so that every
// backend places the same glyphs alike.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/mono_bitmap.h"

namespace qv {

// One character as the font renders it: its advance, where its image stands
// from the pen and the baseline, and the image itself.
struct Glyph {
  int advance = 0;  // pixels from this character's pen position to the next one's
  int left = 0;     // the image's first column, right of the pen
  int top = 0;      // the image's first row, above the baseline
  int width = 0;
  int rows = 0;
  // Rows top first, (width + 7) / 8 bytes each, the leftmost pixel in the
  // high bit; a set bit is ink.
  std::vector<uint8_t> bits;

  bool Ink(int x, int y) const {
    return (bits[static_cast<std::size_t>(y) * static_cast<std::size_t>((width + 7) / 8) +
                 static_cast<std::size_t>(x >> 3)] >>
            (7 - (x & 7))) &
           1;
  }
};

class LabelFont {
 public:
  virtual ~LabelFont() = default;

  // The pixels a line of text takes above and below its baseline.
  virtual int Ascent() const = 0;
  virtual int Descent() const = 0;
  // The glyph of a Unicode character, rendered at its first use and kept:
  // labels are a few digits over and over. Throws qv::Error (error_kind::kFont)
  // when the character cannot be rendered.
  virtual const Glyph& GlyphOf(char32_t c) const = 0;
  // The pixels added between two neighbouring characters; 0 for a font that
  // is not kerned.
  virtual int Kerning(char32_t left, char32_t right) const = 0;
};

// The character height of the map labels: 30 points at 96 dots per inch.
inline constexpr int kLabelCharacterHeight = 40;

// The font of the map's row and column numbers: "Times New Roman" bold at
// kLabelCharacterHeight pixels, not kerned. Where fontconfig resolves the
// name, on Linux it is the metrically identical Liberation Serif Bold; any
// other family would move every label and is refused. Throws qv::Error
// (error_kind::kFont) when the font is not installed. With a `noteFile`,
// fontconfig's answer is kept there and taken from it while nothing it
// depends on has changed (graphics/label_font_note.h); GDI needs none.
std::unique_ptr<LabelFont> OpenMapLabelFont(const std::string& noteFile = {});

// OpenMapLabelFont begun now and finished by calling the result, which
// throws as OpenMapLabelFont does. Where finding the font takes a while
// (fontconfig), it is found beside the caller's work; a result dropped
// uncalled waits for that search to end.
std::function<std::unique_ptr<LabelFont>()> OpenMapLabelFontAhead(const std::string& noteFile = {});

// The font the pictures of assets/ are drawn with (tools/assetgen): `family`
// itself, bold or regular, at `pixelHeight` pixels an em, kerned. Throws
// qv::Error (error_kind::kFont) unless that family in that weight is installed: a
// stand-in would draw other pixels. FreeType backend only: the pictures are
// drawn on the build host.
std::unique_ptr<LabelFont> OpenDrawingFont(const std::string& family, bool bold, int pixelHeight);

// Calls visit(glyph, left, top) for each character of the text in turn, with
// where the glyph's image goes from the pen's start on the baseline (y grows
// downwards). The pen moves on by each advance, the kerning between
// neighbours and `tracking` pixels after every character but the last.
// Returns where the pen ends.
int LayOutText(const LabelFont& font, std::u32string_view text, int tracking,
               const std::function<void(const Glyph&, int left, int top)>& visit);

// The rectangle a text's ink covers, from the pen's start on the baseline;
// right and bottom are exclusive. All zero for a text without ink.
struct InkBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};
InkBox MeasureInk(const LabelFont& font, std::u32string_view text, int tracking);

// --- Map labels: texts of the tool's own Windows-1250 bytes ---

struct TextExtent {
  int width = 0;   // the characters' advance widths (and kerning)
  int height = 0;  // ascent plus descent
};

// The size of a text as the map lays it out.
TextExtent LabelExtent(const LabelFont& font, std::string_view text);

// Draws the text with the top-left corner of its extent at (x, y) on a
// picture whose set bits are white: the extent's box is filled white, then
// the glyphs are drawn black, wherever their ink falls. Whatever falls
// outside the bitmap is clipped.
void DrawLabel(MonoBitmap& bitmap, const LabelFont& font, int x, int y, std::string_view text);

}  // namespace qv
