#include "graphics/font_library_api.h"

#include "platform/error.h"
#include "platform/shared_library.h"

namespace qv {
namespace {

// The libraries of Debian 12's libfontconfig1 and libfreetype6 packages.
constexpr const char* kFontconfig = "libfontconfig.so.1";
constexpr const char* kFreeType = "libfreetype.so.6";

FontLibraryApi Load() {
  const SharedLibrary fc = SharedLibrary::Load(kFontconfig, error_kind::kFont);
  const SharedLibrary ft = SharedLibrary::Load(kFreeType, error_kind::kFont);
  FontLibraryApi api;
#define QV_BIND(library, name) library.Bind(#name, api.name)
  QV_BIND(fc, FcInit);
  QV_BIND(fc, FcPatternCreate);
  QV_BIND(fc, FcPatternDestroy);
  QV_BIND(fc, FcPatternAddString);
  QV_BIND(fc, FcPatternAddInteger);
  QV_BIND(fc, FcPatternAddBool);
  QV_BIND(fc, FcPatternGetString);
  QV_BIND(fc, FcPatternGetInteger);
  QV_BIND(fc, FcConfigSubstitute);
  QV_BIND(fc, FcDefaultSubstitute);
  QV_BIND(fc, FcFontMatch);
  QV_BIND(fc, FcConfigGetConfigFiles);
  QV_BIND(fc, FcConfigGetFontDirs);
  QV_BIND(fc, FcStrListNext);
  QV_BIND(fc, FcStrListDone);
  QV_BIND(ft, FT_Init_FreeType);
  QV_BIND(ft, FT_Done_FreeType);
  QV_BIND(ft, FT_Property_Set);
  QV_BIND(ft, FT_New_Face);
  QV_BIND(ft, FT_Done_Face);
  QV_BIND(ft, FT_Set_Pixel_Sizes);
  QV_BIND(ft, FT_Get_Sfnt_Table);
  QV_BIND(ft, FT_Get_Char_Index);
  QV_BIND(ft, FT_Load_Glyph);
  QV_BIND(ft, FT_Get_Kerning);
#undef QV_BIND
  return api;
}

}  // namespace

const FontLibraryApi& FontLibraryApi::Get() {
  // Loaded by the first caller (the font is looked for on a thread of its
  // own); a failed load throws and is tried again by the next one.
  static const FontLibraryApi api = Load();
  return api;
}

}  // namespace qv
