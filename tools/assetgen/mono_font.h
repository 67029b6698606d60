// Text drawn in one-bit glyphs: a font found through fontconfig and
// rendered by FreeType without anti-aliasing.
#pragma once

#include <string>
#include <string_view>

#include "canvas.h"

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;

namespace assetgen {

// The ink rectangle of a text, relative to the pen's start on the baseline
// (y grows downwards); right and bottom are exclusive.
struct InkBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};

class MonoFont {
 public:
  // The best match for a fontconfig pattern such as "Liberation Serif:bold";
  // throws std::runtime_error when nothing usable is found.
  explicit MonoFont(const std::string& pattern);
  ~MonoFont();
  MonoFont(const MonoFont&) = delete;
  MonoFont& operator=(const MonoFont&) = delete;

  const std::string& file() const { return file_; }
  void SetPixelSize(int pixels);

  // `tracking` is extra space in pixels after every character but the last.
  InkBox Measure(std::u32string_view text, int tracking) const;
  // Draws the text with the pen starting at (x, baseline).
  void Draw(Canvas& canvas, int x, int baseline, std::u32string_view text, int tracking,
            uint8_t value) const;

 private:
  // Calls visit(glyph bitmap, left, top) for every character, positions on
  // the canvas's axes relative to the pen start.
  template <typename Visit>
  void Layout(std::u32string_view text, int tracking, Visit visit) const;

  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
  std::string file_;
};

}  // namespace assetgen
