#include "graphics/label_font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>

#include "platform/error.h"

namespace qv {
namespace {

constexpr const char* kMissingFont =
    "the map label font \"Times New Roman\" bold is not installed; on Debian it is "
    "Liberation Serif Bold from the package fonts-liberation";

// Families that have the metrics of Times New Roman.
bool TimesCompatible(const std::string& family) {
  return family == "Times New Roman" || family == "Liberation Serif";
}

// The font file fontconfig picks for `family` in bold, or "" when the match
// is not a bold face of a Times-compatible family: any other font would move
// every label.
std::string MatchFontFile(const char* family) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_BOLD);
  FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return std::string();

  bool compatible = false;
  FcChar8* value = nullptr;
  for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &value) == FcResultMatch; ++i)
    compatible = compatible || TimesCompatible(reinterpret_cast<const char*>(value));
  int weight = 0;
  const bool bold = FcPatternGetInteger(match, FC_WEIGHT, 0, &weight) == FcResultMatch &&
                    weight >= FC_WEIGHT_BOLD;
  std::string file;
  if (compatible && bold && FcPatternGetString(match, FC_FILE, 0, &value) == FcResultMatch)
    file = reinterpret_cast<const char*>(value);
  FcPatternDestroy(match);
  return file;
}

// "Times New Roman" bold as the system resolves it; Liberation Serif Bold
// asked for by name where no alias leads there.
std::string FindFontFile() {
  if (!FcInit()) throw Error("Font error", "fontconfig cannot start");
  for (const char* family : {"Times New Roman", "Liberation Serif"}) {
    std::string file = MatchFontFile(family);
    if (!file.empty()) return file;
  }
  throw Error("Font error", kMissingFont);
}

// Hinted outlines, rendered one bit deep. The classic TrueType interpreter
// is pinned: FreeType's default one hints differently, and hinting decides
// both the glyph shapes and the advance widths the labels are placed by.
constexpr FT_Int32 kLoadFlags =
    FT_LOAD_TARGET_MONO | FT_LOAD_RENDER | FT_LOAD_NO_AUTOHINT | FT_LOAD_NO_BITMAP;

int ScaleRounded(long fontUnits, int unitsPerEm) {
  return static_cast<int>((fontUnits * LabelFont::kCharacterHeight + unitsPerEm / 2) / unitsPerEm);
}

}  // namespace

LabelFont::LabelFont() : file_(FindFontFile()) {
  if (FT_Init_FreeType(&library_) != 0) throw Error("Font error", "FreeType cannot start");
  FT_UInt interpreter = TT_INTERPRETER_VERSION_35;
  FT_Property_Set(library_, "truetype", "interpreter-version", &interpreter);
  if (FT_New_Face(library_, file_.c_str(), 0, &face_) != 0 ||
      FT_Set_Pixel_Sizes(face_, 0, kCharacterHeight) != 0) {
    if (face_ != nullptr) FT_Done_Face(face_);
    FT_Done_FreeType(library_);
    throw Error("Font error", "cannot load the map label font " + file_);
  }
  // The text height is the font's Windows ascent plus descent, each rounded
  // on its own.
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF && face_->units_per_EM != 0) {
    ascent_ = ScaleRounded(os2->usWinAscent, face_->units_per_EM);
    descent_ = ScaleRounded(os2->usWinDescent, face_->units_per_EM);
  } else {
    ascent_ = static_cast<int>((face_->size->metrics.ascender + 32) >> 6);
    descent_ = static_cast<int>((-face_->size->metrics.descender + 32) >> 6);
  }
}

LabelFont::~LabelFont() {
  FT_Done_Face(face_);
  FT_Done_FreeType(library_);
}

const LabelFont::Glyph& LabelFont::LoadGlyph(char c) const {
  std::unique_ptr<Glyph>& kept = glyphs_[static_cast<unsigned char>(c)];
  if (kept) return *kept;
  const FT_UInt index = FT_Get_Char_Index(face_, static_cast<unsigned char>(c));
  if (FT_Load_Glyph(face_, index, kLoadFlags) != 0 ||
      face_->glyph->bitmap.pixel_mode != FT_PIXEL_MODE_MONO)
    throw Error("Font error", std::string("cannot render the label character '") + c + "'");
  const FT_GlyphSlot slot = face_->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  auto glyph = std::make_unique<Glyph>();
  glyph->advance = static_cast<int>((slot->advance.x + 32) >> 6);
  glyph->left = slot->bitmap_left;
  glyph->top = slot->bitmap_top;
  glyph->width = static_cast<int>(bitmap.width);
  glyph->rows = static_cast<int>(bitmap.rows);
  glyph->pitch = (glyph->width + 7) / 8;
  glyph->bits.resize(static_cast<std::size_t>(glyph->pitch) * bitmap.rows);
  for (unsigned r = 0; r < bitmap.rows; ++r)
    std::copy_n(bitmap.buffer + static_cast<long>(r) * bitmap.pitch, glyph->pitch,
                glyph->bits.begin() + static_cast<long>(r) * glyph->pitch);
  kept = std::move(glyph);
  return *kept;
}

TextExtent LabelFont::Extent(std::string_view text) const {
  TextExtent e{0, ascent_ + descent_};
  for (char c : text) e.width += LoadGlyph(c).advance;
  return e;
}

void LabelFont::DrawOpaque(MonoBitmap& bitmap, int x, int y, std::string_view text) const {
  const TextExtent e = Extent(text);
  const int x0 = std::max(x, 0), x1 = std::min(x + e.width, bitmap.width());
  const int y0 = std::max(y, 0), y1 = std::min(y + e.height, bitmap.height());
  for (int row = y0; row < y1; ++row)
    for (int col = x0; col < x1; ++col) bitmap.Set(col, row, true);

  const int baseline = y + ascent_;
  int pen = x;
  for (char c : text) {
    const Glyph& glyph = LoadGlyph(c);
    const int left = pen + glyph.left;
    const int top = baseline - glyph.top;
    for (int r = 0; r < glyph.rows; ++r) {
      const int py = top + r;
      if (py < 0 || py >= bitmap.height()) continue;
      const unsigned char* bits = glyph.bits.data() + static_cast<long>(r) * glyph.pitch;
      for (int col = 0; col < glyph.width; ++col) {
        const int px = left + col;
        if (px >= 0 && px < bitmap.width() && ((bits[col >> 3] >> (7 - (col & 7))) & 1))
          bitmap.Set(px, py, false);
      }
    }
    pen += glyph.advance;
  }
}

}  // namespace qv
