#include "graphics/label_font.h"

#include <algorithm>
#include <climits>

#include "graphics/bitmap_copy.h"
#include "platform/encoding.h"

namespace qv {
namespace {

// The characters of Windows-1250 text; a byte the set leaves unused reads
// as "?".
std::u32string FromCp1250(std::string_view text) {
  std::u32string chars;
  chars.reserve(text.size());
  for (const char byte : text) {
    const auto b = static_cast<unsigned char>(byte);
    const char32_t c = b < 0x80 ? b : kCp1250HighHalf[b - 0x80];
    chars.push_back(c != 0 ? c : U'?');
  }
  return chars;
}

// Clears the glyph's ink where it falls on the picture, its image's
// top-left corner at (gx, gy). Where all the bytes of the glyph's rows fall
// inside the picture's width, a byte of ink clears a byte or two of a row.
void DrawInk(MonoBitmap& bitmap, const Glyph& glyph, int gx, int gy) {
  const int glyphBytes = (glyph.width + 7) / 8;
  if (glyphBytes == 0) return;
  // The glyph's pixels in its last byte, the padding after them left out.
  const auto lastMask = static_cast<uint8_t>(0xFF00u >> (glyph.width - 8 * (glyphBytes - 1)));
  const int width = bitmap.width();
  const int r0 = std::max(0, -gy), r1 = std::min(glyph.rows, bitmap.height() - gy);
  if (gx >= 0 && gx + 8 * glyphBytes <= width) {
    const int shift = gx & 7;
    for (int r = r0; r < r1; ++r) {
      const uint8_t* const ink = glyph.bits.data() + static_cast<std::size_t>(r) * glyphBytes;
      uint8_t* const target = bitmap.Row(gy + r) + (gx >> 3);
      for (int byte = 0; byte < glyphBytes; ++byte) {
        const auto eight =
            static_cast<uint8_t>(ink[byte] & (byte + 1 == glyphBytes ? lastMask : 0xFF));
        target[byte] &= static_cast<uint8_t>(~(eight >> shift));
        if (shift != 0) target[byte + 1] &= static_cast<uint8_t>(~(eight << (8 - shift)));
      }
    }
    return;
  }
  for (int r = r0; r < r1; ++r)
    for (int col = 0; col < glyph.width; ++col) {
      const int px = gx + col;
      if (px >= 0 && px < width && glyph.Ink(col, r)) bitmap.Set(px, gy + r, false);
    }
}

}  // namespace

int LayOutText(const LabelFont& font, std::u32string_view text, int tracking,
               const std::function<void(const Glyph&, int left, int top)>& visit) {
  int pen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i > 0) pen += font.Kerning(text[i - 1], text[i]);
    const Glyph& glyph = font.GlyphOf(text[i]);
    visit(glyph, pen + glyph.left, -glyph.top);
    pen += glyph.advance;
    if (i + 1 < text.size()) pen += tracking;
  }
  return pen;
}

InkBox MeasureInk(const LabelFont& font, std::u32string_view text, int tracking) {
  InkBox box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  LayOutText(font, text, tracking, [&box](const Glyph& glyph, int left, int top) {
    if (glyph.width == 0 || glyph.rows == 0) return;
    box.left = std::min(box.left, left);
    box.top = std::min(box.top, top);
    box.right = std::max(box.right, left + glyph.width);
    box.bottom = std::max(box.bottom, top + glyph.rows);
  });
  return box.left == INT_MAX ? InkBox{} : box;
}

TextExtent LabelExtent(const LabelFont& font, std::string_view text) {
  const int width = LayOutText(font, FromCp1250(text), 0, [](const Glyph&, int, int) {});
  return {width, font.Ascent() + font.Descent()};
}

void DrawLabel(MonoBitmap& bitmap, const LabelFont& font, int x, int y, std::string_view text) {
  const std::u32string chars = FromCp1250(text);
  const int width = LayOutText(font, chars, 0, [](const Glyph&, int, int) {});
  const int height = font.Ascent() + font.Descent();
  const int x0 = std::max(x, 0), x1 = std::min(x + width, bitmap.width());
  const int y0 = std::max(y, 0), y1 = std::min(y + height, bitmap.height());
  for (int row = y0; row < y1; ++row) SetPixels(bitmap.Row(row), x0, x1 - x0);

  const int baseline = y + font.Ascent();
  LayOutText(font, chars, 0, [&](const Glyph& glyph, int left, int top) {
    DrawInk(bitmap, glyph, x + left, baseline + top);
  });
}

}  // namespace qv
