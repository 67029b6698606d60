// The label font through GDI: "Times New Roman" bold as Windows resolves the
// name, each glyph drawn without anti-aliasing into a one-bit DIB section
// and cut to its ink.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <unordered_map>

#include "graphics/label_font.h"
#include "platform/error.h"

namespace qv {
namespace {

constexpr const char* kMissingFont =
    "a terkepfeliratok betukeszlete, a felkover \"Times New Roman\" nincs telepitve";

// Faces with the metrics of Times New Roman; Wine resolves the name to
// Liberation Serif where its settings say so.
bool TimesCompatible(const std::wstring& face) {
  return face == L"Times New Roman" || face == L"Liberation Serif";
}

std::string CharacterName(char32_t c) {
  if (c >= 0x20 && c < 0x7F) return std::string("'") + static_cast<char>(c) + "'";
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
  return name;
}

// A one-bit picture GDI draws into: palette entry 0 white, 1 black, so a set
// bit is ink; rows top first, each padded to whole 32-bit words.
class InkCanvas {
 public:
  InkCanvas(HDC dc, int width, int height) : dc_(dc), width_(width), height_(height) {
    struct {
      BITMAPINFOHEADER header;
      RGBQUAD colors[2];
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = -height;  // top-down
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = 2;
    info.colors[0] = RGBQUAD{255, 255, 255, 0};
    info.colors[1] = RGBQUAD{0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS,
                               &bits, nullptr, 0);
    if (bitmap_ == nullptr)
      throw Error(error_kind::kFont, "nem keszitheto bitkep a terkepfeliratokhoz");
    bits_ = static_cast<const std::uint8_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~InkCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
  }
  InkCanvas(const InkCanvas&) = delete;
  InkCanvas& operator=(const InkCanvas&) = delete;

  bool Ink(int x, int y) const {
    const std::size_t stride = static_cast<std::size_t>((width_ + 31) / 32) * 4;
    return (bits_[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x >> 3)] >>
            (7 - (x & 7))) &
           1;
  }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  HDC dc_;
  int width_, height_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  const std::uint8_t* bits_ = nullptr;
};

class GdiFont : public LabelFont {
 public:
  explicit GdiFont(int pixelHeight) {
    LOGFONTW spec{};
    spec.lfHeight = -pixelHeight;  // negative: the em, not the cell, is that high
    spec.lfWeight = FW_BOLD;
    spec.lfCharSet = DEFAULT_CHARSET;
    spec.lfOutPrecision = OUT_TT_PRECIS;
    spec.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    spec.lfQuality = NONANTIALIASED_QUALITY;
    spec.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    wcscpy_s(spec.lfFaceName, LF_FACESIZE, L"Times New Roman");
    dc_ = CreateCompatibleDC(nullptr);
    font_ = dc_ != nullptr ? CreateFontIndirectW(&spec) : nullptr;
    if (font_ == nullptr) {
      Release();
      throw Error(error_kind::kFont, "a GDI nem tudja elkesziteni a terkepfeliratok betukeszletet");
    }
    previous_ = SelectObject(dc_, font_);
    wchar_t face[LF_FACESIZE] = {};
    TEXTMETRICW metrics{};
    if (GetTextFaceW(dc_, LF_FACESIZE, face) == 0 || !TimesCompatible(face) ||
        !GetTextMetricsW(dc_, &metrics) || metrics.tmWeight < FW_BOLD) {
      Release();
      throw Error(error_kind::kFont, kMissingFont);
    }
    ascent_ = metrics.tmAscent;
    descent_ = metrics.tmDescent;
    SetTextAlign(dc_, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
    SetBkColor(dc_, RGB(255, 255, 255));
    SetTextColor(dc_, RGB(0, 0, 0));
  }
  ~GdiFont() override { Release(); }
  GdiFont(const GdiFont&) = delete;
  GdiFont& operator=(const GdiFont&) = delete;

  int Ascent() const override { return ascent_; }
  int Descent() const override { return descent_; }

  const Glyph& GlyphOf(char32_t c) const override {
    const auto kept = glyphs_.find(c);
    if (kept != glyphs_.end()) return kept->second;
    if (c > 0xFFFF || (c >= 0xD800 && c < 0xE000))
      throw Error(error_kind::kFont,
                  "a feliratok " + CharacterName(c) + " karaktere nem rajzolhato meg");
    const wchar_t wc = static_cast<wchar_t>(c);
    SIZE size{};
    if (!GetTextExtentPoint32W(dc_, &wc, 1, &size))
      throw Error(error_kind::kFont,
                  "a feliratok " + CharacterName(c) + " karaktere nem merheto le");

    // The glyph drawn on its baseline with a margin of a whole line on
    // every side, wide enough for any overhang, then cut to its ink.
    const int line = ascent_ + descent_;
    const int penX = line, baseline = line + ascent_;
    InkCanvas canvas(dc_, size.cx + 2 * line, 3 * line);
    const RECT all{0, 0, canvas.width(), canvas.height()};
    if (!ExtTextOutW(dc_, penX, baseline, ETO_OPAQUE, &all, &wc, 1, nullptr))
      throw Error(error_kind::kFont,
                  "a feliratok " + CharacterName(c) + " karaktere nem rajzolhato meg");
    GdiFlush();

    int left = canvas.width(), right = -1, top = canvas.height(), bottom = -1;
    for (int y = 0; y < canvas.height(); ++y)
      for (int x = 0; x < canvas.width(); ++x)
        if (canvas.Ink(x, y)) {
          left = std::min(left, x);
          right = std::max(right, x);
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
    Glyph glyph;
    glyph.advance = size.cx;
    if (right >= 0) {
      glyph.left = left - penX;
      glyph.top = baseline - top;
      glyph.width = right - left + 1;
      glyph.rows = bottom - top + 1;
      const int pitch = (glyph.width + 7) / 8;
      glyph.bits.assign(static_cast<std::size_t>(pitch) * static_cast<std::size_t>(glyph.rows), 0);
      for (int y = 0; y < glyph.rows; ++y)
        for (int x = 0; x < glyph.width; ++x)
          if (canvas.Ink(left + x, top + y))
            glyph.bits[static_cast<std::size_t>(y * pitch + (x >> 3))] |=
                static_cast<std::uint8_t>(0x80 >> (x & 7));
    }
    return glyphs_.emplace(c, std::move(glyph)).first->second;
  }

  // The labels are not kerned.
  int Kerning(char32_t, char32_t) const override { return 0; }

 private:
  void Release() {
    if (dc_ != nullptr && previous_ != nullptr) SelectObject(dc_, previous_);
    if (font_ != nullptr) DeleteObject(font_);
    if (dc_ != nullptr) DeleteDC(dc_);
    dc_ = nullptr;
    font_ = nullptr;
    previous_ = nullptr;
  }

  HDC dc_ = nullptr;
  HFONT font_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  int ascent_ = 0;
  int descent_ = 0;
  // Node-based: a glyph handed out stays where it is as others are added.
  mutable std::unordered_map<char32_t, Glyph> glyphs_;
};

}  // namespace

std::unique_ptr<LabelFont> OpenMapLabelFont(const std::string&) {
  return std::make_unique<GdiFont>(kLabelCharacterHeight);
}

// Windows finds the font by name at once: nothing to do ahead.
std::function<std::unique_ptr<LabelFont>()> OpenMapLabelFontAhead(const std::string&) {
  return [] { return OpenMapLabelFont(); };
}

}  // namespace qv
