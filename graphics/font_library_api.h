// The FreeType and fontconfig functions the label font uses, loaded with
// their libraries the first time a font is looked for: a run that draws no
// label never loads them, and one that does loads them on the thread that
// looks for the font, not at every start of the program.
#pragma once

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_MODULE_H
#include FT_TRUETYPE_TABLES_H

namespace qv {

struct FontLibraryApi {
  // The functions, loaded once per process; throws qv::Error
  // (error_kind::kFont) when a library cannot be loaded or lacks one of them.
  static const FontLibraryApi& Get();

  decltype(&::FcInit) FcInit;
  decltype(&::FcPatternCreate) FcPatternCreate;
  decltype(&::FcPatternDestroy) FcPatternDestroy;
  decltype(&::FcPatternAddString) FcPatternAddString;
  decltype(&::FcPatternAddInteger) FcPatternAddInteger;
  decltype(&::FcPatternAddBool) FcPatternAddBool;
  decltype(&::FcPatternGetString) FcPatternGetString;
  decltype(&::FcPatternGetInteger) FcPatternGetInteger;
  decltype(&::FcConfigSubstitute) FcConfigSubstitute;
  decltype(&::FcDefaultSubstitute) FcDefaultSubstitute;
  decltype(&::FcFontMatch) FcFontMatch;
  decltype(&::FcConfigGetConfigFiles) FcConfigGetConfigFiles;
  decltype(&::FcConfigGetFontDirs) FcConfigGetFontDirs;
  decltype(&::FcStrListNext) FcStrListNext;
  decltype(&::FcStrListDone) FcStrListDone;

  decltype(&::FT_Init_FreeType) FT_Init_FreeType;
  decltype(&::FT_Done_FreeType) FT_Done_FreeType;
  decltype(&::FT_Property_Set) FT_Property_Set;
  decltype(&::FT_New_Face) FT_New_Face;
  decltype(&::FT_Done_Face) FT_Done_Face;
  decltype(&::FT_Set_Pixel_Sizes) FT_Set_Pixel_Sizes;
  decltype(&::FT_Get_Sfnt_Table) FT_Get_Sfnt_Table;
  decltype(&::FT_Get_Char_Index) FT_Get_Char_Index;
  decltype(&::FT_Load_Glyph) FT_Load_Glyph;
  decltype(&::FT_Get_Kerning) FT_Get_Kerning;
};

}  // namespace qv
