// The label font through FreeType, the font file found by fontconfig; both
// libraries are loaded when a font is first looked for.
#include <ft2build.h>
#include FT_DRIVER_H

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <future>
#include <memory>
#include <optional>
#include <system_error>
#include <unordered_map>
#include <vector>

#include "graphics/font_library_api.h"
#include "graphics/label_font.h"
#include "graphics/label_font_note.h"
#include "platform/environment.h"
#include "platform/error.h"
#include "platform/path_names.h"

namespace qv {
namespace {

constexpr const char* kMissingFont =
    "a terkepfeliratok betukeszlete, a felkover \"Times New Roman\" nincs telepitve; Debianon "
    "ez a fonts-liberation csomag Liberation Serif Bold betukeszlete";

// How glyphs are hinted, rendered and placed. Hinting decides both the
// glyph shapes and the advance widths, so each use keeps the one its
// pictures were drawn with.
struct Rendering {
  const char* name;          // how messages call the font
  FT_UInt interpreter;       // the TrueType hinting interpreter
  bool interpreterRequired;  // a FreeType without it is refused
  FT_Int32 loadFlags;
  bool roundAdvance;  // else the advance is cut to whole pixels
  bool kerning;
};

// The map labels: hinted outlines, rendered one bit deep. The classic
// TrueType interpreter is pinned: FreeType's default one hints differently.
constexpr Rendering kMapLabels{
    .name = "a terkepfeliratok betukeszlete",
    .interpreter = TT_INTERPRETER_VERSION_35,
    .interpreterRequired = false,
    .loadFlags = FT_LOAD_TARGET_MONO | FT_LOAD_RENDER | FT_LOAD_NO_AUTOHINT | FT_LOAD_NO_BITMAP,
    .roundAdvance = true,
    .kerning = false,
};

// The pictures of assets/: the hinting that drew the committed files,
// whatever FREETYPE_PROPERTIES says.
constexpr Rendering kDrawings{
    .name = "a betukeszlet",
    .interpreter = TT_INTERPRETER_VERSION_40,
    .interpreterRequired = true,
    .loadFlags = FT_LOAD_RENDER | FT_LOAD_TARGET_MONO,
    .roundAdvance = false,
    .kerning = true,
};

// Families that have the metrics of Times New Roman.
bool TimesCompatible(const std::string& family) {
  return family == "Times New Roman" || family == "Liberation Serif";
}

void StartFontconfig() {
  const FontLibraryApi& fc = FontLibraryApi::Get();
  if (!fc.FcInit()) throw Error(error_kind::kFont, "a fontconfig nem indul el");
}

// The font file fontconfig picks for `family` in bold, or "" when the match
// is not a bold face of a Times-compatible family: any other font would move
// every label.
std::string MatchLabelFile(const char* family) {
  const FontLibraryApi& fc = FontLibraryApi::Get();
  FcPattern* pattern = fc.FcPatternCreate();
  fc.FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  fc.FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_BOLD);
  fc.FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  fc.FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  fc.FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  fc.FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = fc.FcFontMatch(nullptr, pattern, &result);
  fc.FcPatternDestroy(pattern);
  if (match == nullptr) return std::string();

  bool compatible = false;
  FcChar8* value = nullptr;
  for (int i = 0; fc.FcPatternGetString(match, FC_FAMILY, i, &value) == FcResultMatch; ++i)
    compatible = compatible || TimesCompatible(reinterpret_cast<const char*>(value));
  int weight = 0;
  const bool bold = fc.FcPatternGetInteger(match, FC_WEIGHT, 0, &weight) == FcResultMatch &&
                    weight >= FC_WEIGHT_BOLD;
  std::string file;
  if (compatible && bold && fc.FcPatternGetString(match, FC_FILE, 0, &value) == FcResultMatch)
    file = reinterpret_cast<const char*>(value);
  fc.FcPatternDestroy(match);
  return file;
}

// What fontconfig's answer depends on besides the environment: the settings
// files and folders it read (and the folders they stand in), the folders it
// takes fonts from (also those not made yet), and where a player's own
// settings would stand.
std::vector<std::string> FontconfigInputs() {
  const FontLibraryApi& fc = FontLibraryApi::Get();
  std::vector<std::string> paths;
  auto add = [&](FcStrList* list, bool withFolder) {
    if (list == nullptr) return;
    while (const FcChar8* path = fc.FcStrListNext(list)) {
      const std::string text = reinterpret_cast<const char*>(path);
      paths.push_back(text);
      if (withFolder && FileNameStart(text) > 1)
        paths.push_back(text.substr(0, FileNameStart(text) - 1));
    }
    fc.FcStrListDone(list);
  };
  add(fc.FcConfigGetConfigFiles(nullptr), true);
  add(fc.FcConfigGetFontDirs(nullptr), false);
  const std::string home = EnvironmentText("HOME");
  std::string config = EnvironmentText("XDG_CONFIG_HOME");
  if (config.empty() && !home.empty()) config = home + "/.config";
  if (!config.empty())
    for (const char* place : {"/fontconfig", "/fontconfig/fonts.conf", "/fontconfig/conf.d"})
      paths.push_back(config + place);
  if (!home.empty())
    for (const char* place : {"/.fonts.conf", "/.fonts.conf.d"}) paths.push_back(home + place);
  std::sort(paths.begin(), paths.end());
  paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
  return paths;
}

// "Times New Roman" bold as the system resolves it; Liberation Serif Bold
// asked for by name where no alias leads there. The answer noted in
// noteFile serves while it holds.
std::string FindLabelFile(const std::string& noteFile) {
  if (std::optional<std::string> noted = NotedFont(noteFile)) return std::move(*noted);
  const std::int64_t start = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
  StartFontconfig();
  for (const char* family : {"Times New Roman", "Liberation Serif"}) {
    std::string file = MatchLabelFile(family);
    if (file.empty()) continue;
    if (!noteFile.empty()) NoteFont(noteFile, {FontconfigInputs(), file}, start);
    return file;
  }
  throw Error(error_kind::kFont, kMissingFont);
}

// The file of `family` in the weight asked for; only that family in that
// weight will do.
std::string FindFamilyFile(const std::string& family, bool bold) {
  const FontLibraryApi& fc = FontLibraryApi::Get();
  StartFontconfig();
  const int weight = bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR;
  const std::string asked = family + (bold ? ":bold" : "");
  FcPattern* pattern = fc.FcPatternCreate();
  fc.FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  fc.FcPatternAddInteger(pattern, FC_WEIGHT, weight);
  fc.FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  fc.FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = fc.FcFontMatch(nullptr, pattern, &result);
  fc.FcPatternDestroy(pattern);
  if (match == nullptr)
    throw Error(error_kind::kFont, "egy betukeszlet sem felel meg ennek: " + asked);

  FcChar8* value = nullptr;
  std::string file;
  if (fc.FcPatternGetString(match, FC_FILE, 0, &value) == FcResultMatch)
    file = reinterpret_cast<const char*>(value);
  bool sameFamily = false;
  for (int i = 0; fc.FcPatternGetString(match, FC_FAMILY, i, &value) == FcResultMatch; ++i)
    sameFamily = sameFamily || family == reinterpret_cast<const char*>(value);
  int matchWeight = -1;
  fc.FcPatternGetInteger(match, FC_WEIGHT, 0, &matchWeight);
  fc.FcPatternDestroy(match);
  if (file.empty() || !sameFamily || matchWeight != weight)
    throw Error(error_kind::kFont, "a(z) " + asked +
                                       " betukeszlet nincs telepitve (a legkozelebbi: " +
                                       (file.empty() ? "nincs" : file) + ")");
  return file;
}

int ScaleRounded(long fontUnits, int pixelHeight, int unitsPerEm) {
  return static_cast<int>((fontUnits * pixelHeight + unitsPerEm / 2) / unitsPerEm);
}

std::string CharacterName(char32_t c) {
  if (c >= 0x20 && c < 0x7F) return std::string("'") + static_cast<char>(c) + "'";
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
  return name;
}

class FreeTypeFont : public LabelFont {
 public:
  FreeTypeFont(std::string file, int pixelHeight, const Rendering& rendering)
      : file_(std::move(file)), rendering_(rendering) {
    if (ft_.FT_Init_FreeType(&library_) != 0)
      throw Error(error_kind::kFont, "a FreeType nem indul el");
    FT_UInt interpreter = rendering_.interpreter;
    if (ft_.FT_Property_Set(library_, "truetype", "interpreter-version", &interpreter) != 0 &&
        rendering_.interpreterRequired) {
      ft_.FT_Done_FreeType(library_);
      throw Error(error_kind::kFont,
                  "a FreeType-bol hianyzik a TrueType hinting, amellyel a kepek keszultek");
    }
    if (ft_.FT_New_Face(library_, file_.c_str(), 0, &face_) != 0 ||
        ft_.FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelHeight)) != 0) {
      if (face_ != nullptr) ft_.FT_Done_Face(face_);
      ft_.FT_Done_FreeType(library_);
      throw Error(error_kind::kFont, std::string(rendering_.name) + " nem toltheto be: " + file_);
    }
    // The text height is the font's Windows ascent plus descent, each
    // rounded on its own.
    const auto* os2 = static_cast<const TT_OS2*>(ft_.FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF && face_->units_per_EM != 0) {
      ascent_ = ScaleRounded(os2->usWinAscent, pixelHeight, face_->units_per_EM);
      descent_ = ScaleRounded(os2->usWinDescent, pixelHeight, face_->units_per_EM);
    } else {
      ascent_ = static_cast<int>((face_->size->metrics.ascender + 32) >> 6);
      descent_ = static_cast<int>((-face_->size->metrics.descender + 32) >> 6);
    }
  }

  ~FreeTypeFont() override {
    ft_.FT_Done_Face(face_);
    ft_.FT_Done_FreeType(library_);
  }
  FreeTypeFont(const FreeTypeFont&) = delete;
  FreeTypeFont& operator=(const FreeTypeFont&) = delete;

  int Ascent() const override { return ascent_; }
  int Descent() const override { return descent_; }

  const Glyph& GlyphOf(char32_t c) const override {
    const auto kept = glyphs_.find(c);
    if (kept != glyphs_.end()) return kept->second;
    const FT_UInt index = ft_.FT_Get_Char_Index(face_, c);
    if (ft_.FT_Load_Glyph(face_, index, rendering_.loadFlags) != 0 ||
        face_->glyph->bitmap.pixel_mode != FT_PIXEL_MODE_MONO)
      throw Error(error_kind::kFont,
                  "a feliratok " + CharacterName(c) + " karaktere nem rajzolhato meg");
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    Glyph glyph;
    glyph.advance = static_cast<int>(rendering_.roundAdvance ? (slot->advance.x + 32) >> 6
                                                             : slot->advance.x >> 6);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    const int pitch = (glyph.width + 7) / 8;
    glyph.bits.resize(static_cast<std::size_t>(pitch) * bitmap.rows);
    for (unsigned r = 0; r < bitmap.rows; ++r)
      std::copy_n(bitmap.buffer + static_cast<long>(r) * bitmap.pitch, pitch,
                  glyph.bits.begin() + static_cast<long>(r) * pitch);
    return glyphs_.emplace(c, std::move(glyph)).first->second;
  }

  int Kerning(char32_t left, char32_t right) const override {
    if (!rendering_.kerning || !FT_HAS_KERNING(face_)) return 0;
    const FT_UInt first = ft_.FT_Get_Char_Index(face_, left);
    const FT_UInt second = ft_.FT_Get_Char_Index(face_, right);
    FT_Vector kern;
    if (first == 0 || second == 0 ||
        ft_.FT_Get_Kerning(face_, first, second, FT_KERNING_DEFAULT, &kern) != 0)
      return 0;
    return static_cast<int>(kern.x >> 6);
  }

 private:
  const FontLibraryApi& ft_ = FontLibraryApi::Get();
  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
  std::string file_;
  Rendering rendering_;
  int ascent_ = 0;
  int descent_ = 0;
  // Node-based: a glyph handed out stays where it is as others are added.
  mutable std::unordered_map<char32_t, Glyph> glyphs_;
};

}  // namespace

std::unique_ptr<LabelFont> OpenMapLabelFont(const std::string& noteFile) {
  return std::make_unique<FreeTypeFont>(FindLabelFile(noteFile), kLabelCharacterHeight, kMapLabels);
}

std::function<std::unique_ptr<LabelFont>()> OpenMapLabelFontAhead(const std::string& noteFile) {
  // fontconfig reads its settings files for some milliseconds: the file is
  // looked for on a thread of its own while the caller goes on. Without a
  // thread to be had, it is looked for when the font is asked for.
  std::shared_ptr<std::future<std::string>> file;
  try {
    file = std::make_shared<std::future<std::string>>(
        std::async(std::launch::async, FindLabelFile, noteFile));
  } catch (const std::system_error&) {
    return [noteFile] { return OpenMapLabelFont(noteFile); };
  }
  return [file] {
    return std::make_unique<FreeTypeFont>(file->get(), kLabelCharacterHeight, kMapLabels);
  };
}

std::unique_ptr<LabelFont> OpenDrawingFont(const std::string& family, bool bold, int pixelHeight) {
  return std::make_unique<FreeTypeFont>(FindFamilyFile(family, bold), pixelHeight, kDrawings);
}

}  // namespace qv
