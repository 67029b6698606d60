#include "mono_font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace assetgen {
namespace {

// The file of the font the pattern names. Only that family, in the weight
// asked for, will do: a stand-in fontconfig offers would draw other pixels.
std::string FindFontFile(const std::string& pattern) {
  if (!FcInit()) throw std::runtime_error("fontconfig cannot start");
  FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str()));
  if (pat == nullptr) throw std::runtime_error("bad font pattern: " + pattern);
  FcChar8* value = nullptr;
  const std::string family = FcPatternGetString(pat, FC_FAMILY, 0, &value) == FcResultMatch
                                 ? reinterpret_cast<const char*>(value)
                                 : "";
  int weight = -1;
  FcPatternGetInteger(pat, FC_WEIGHT, 0, &weight);
  FcConfigSubstitute(nullptr, pat, FcMatchPattern);
  FcDefaultSubstitute(pat);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pat, &result);
  FcPatternDestroy(pat);
  if (match == nullptr) throw std::runtime_error("no font matches " + pattern);

  std::string file;
  if (FcPatternGetString(match, FC_FILE, 0, &value) == FcResultMatch)
    file = reinterpret_cast<const char*>(value);
  bool sameFamily = family.empty();
  for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &value) == FcResultMatch; ++i)
    sameFamily = sameFamily || family == reinterpret_cast<const char*>(value);
  int matchWeight = -1;
  FcPatternGetInteger(match, FC_WEIGHT, 0, &matchWeight);
  FcPatternDestroy(match);
  if (file.empty() || !sameFamily || (weight >= 0 && matchWeight != weight))
    throw std::runtime_error("the font " + pattern + " is not installed (the nearest is " +
                             (file.empty() ? "none" : file) + ")");
  return file;
}

}  // namespace

MonoFont::MonoFont(const std::string& pattern) : file_(FindFontFile(pattern)) {
  if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("FreeType cannot start");
  // The hinting that drew the committed pictures, whatever FREETYPE_PROPERTIES says.
  FT_UInt interpreter = TT_INTERPRETER_VERSION_40;
  if (FT_Property_Set(library_, "truetype", "interpreter-version", &interpreter) != 0) {
    FT_Done_FreeType(library_);
    throw std::runtime_error("FreeType lacks the TrueType hinting this tool draws with");
  }
  if (FT_New_Face(library_, file_.c_str(), 0, &face_) != 0) {
    FT_Done_FreeType(library_);
    throw std::runtime_error("cannot load font " + file_);
  }
}

MonoFont::~MonoFont() {
  FT_Done_Face(face_);
  FT_Done_FreeType(library_);
}

void MonoFont::SetPixelSize(int pixels) {
  if (FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixels)) != 0)
    throw std::runtime_error("cannot set font size");
}

template <typename Visit>
void MonoFont::Layout(std::u32string_view text, int tracking, Visit visit) const {
  int pen = 0;
  FT_UInt previous = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const FT_UInt index = FT_Get_Char_Index(face_, text[i]);
    if (previous != 0 && index != 0 && FT_HAS_KERNING(face_)) {
      FT_Vector kern;
      if (FT_Get_Kerning(face_, previous, index, FT_KERNING_DEFAULT, &kern) == 0)
        pen += static_cast<int>(kern.x >> 6);
    }
    if (FT_Load_Glyph(face_, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0)
      throw std::runtime_error("cannot render a glyph");
    const FT_GlyphSlot slot = face_->glyph;
    if (slot->bitmap.pixel_mode != FT_PIXEL_MODE_MONO)
      throw std::runtime_error("the font did not render one-bit glyphs");
    visit(slot->bitmap, pen + slot->bitmap_left, -slot->bitmap_top);
    pen += static_cast<int>(slot->advance.x >> 6);
    if (i + 1 < text.size()) pen += tracking;
    previous = index;
  }
}

InkBox MonoFont::Measure(std::u32string_view text, int tracking) const {
  InkBox box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  Layout(text, tracking, [&](const FT_Bitmap& bm, int left, int top) {
    if (bm.width == 0 || bm.rows == 0) return;
    box.left = std::min(box.left, left);
    box.top = std::min(box.top, top);
    box.right = std::max(box.right, left + static_cast<int>(bm.width));
    box.bottom = std::max(box.bottom, top + static_cast<int>(bm.rows));
  });
  if (box.left == INT_MAX) return InkBox{};
  return box;
}

void MonoFont::Draw(Canvas& canvas, int x, int baseline, std::u32string_view text, int tracking,
                    uint8_t value) const {
  Layout(text, tracking, [&](const FT_Bitmap& bm, int left, int top) {
    for (unsigned row = 0; row < bm.rows; ++row) {
      const unsigned char* bits = bm.buffer + static_cast<long>(row) * bm.pitch;
      for (unsigned col = 0; col < bm.width; ++col)
        if ((bits[col >> 3] >> (7 - (col & 7))) & 1)
          canvas.Put(x + left + static_cast<int>(col), baseline + top + static_cast<int>(row),
                     value);
    }
  });
}

}  // namespace assetgen
