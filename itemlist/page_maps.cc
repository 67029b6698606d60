#include "itemlist/page_maps.h"

#include <bit>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "graphics/picture_metafile.h"
#include "maps/applet_map.h"
#include "platform/error.h"
#include "text/base64.h"
#include "text/byte_words.h"
#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace qv {
namespace {

// Draws the maps of one page, each against the page's picture budget.
class PageMaps {
 public:
  PageMaps(RunContext& ctx, Layout layout, const std::string& reportName, MapResources& resources)
      : ctx_(ctx), layout_(layout), reportName_(reportName), resources_(resources) {}

  // The map of the applet whose lines are given, or none.
  std::optional<MonoBitmap> MapFor(const std::vector<std::string>& appletLines) {
    try {
      return Draw(appletLines);
    } catch (const Error& e) {
      ctx_.console.ErrorLine(WarningText(
          "'" + reportName_ + "' targylista-oldalan egy terkep kep nelkul marad: " + e.kind() +
          ": " + e.text()));
      return std::nullopt;
    }
  }

 private:
  std::optional<MonoBitmap> Draw(const std::vector<std::string>& appletLines) {
    ListedLines lines(appletLines);
    AppletReader applet(lines, layout_);
    if (!applet.FindFrame()) return std::nullopt;
    MonoBitmap map = DrawAppletMap(applet, resources_, ctx_.programDir, reportName_, pictureBytes_);
    pictureBytes_ += static_cast<std::int64_t>(map.DibRows().size());
    return map;
  }

  RunContext& ctx_;
  Layout layout_;
  const std::string& reportName_;
  MapResources& resources_;
  std::int64_t pictureBytes_ = 0;  // what the page's maps so far take
};

}  // namespace

// The picture keeps its pixel size, but shrinks to the window's width when
// the window is narrower (a map of a few tiles is already 1,000 pixels wide).
void AppendMapImageLine(const MonoBitmap& map,
                        const std::function<std::string&(std::size_t)>& room) {
  // The BMP file is encoded from its head and the bitmap's own rows: the
  // head takes the first bytes of the rows up to a whole group of three, so
  // the rest encodes on its own, a block of rows at a time, without a copy
  // of megabytes of rows.
  std::vector<uint8_t> head = PictureBmpHead(map);
  const std::span<const uint8_t> rows = map.DibRows();
  const std::size_t take = std::min(rows.size(), (3 - head.size() % 3) % 3);
  head.insert(head.end(), rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(take));
  auto encoded = [](std::size_t bytes) { return (bytes + 2) / 3 * 4; };
  constexpr std::string_view kOpen = "<center><img src=\"data:image/bmp;base64,";
  std::string& opening = room(kOpen.size() + encoded(head.size()));
  opening += kOpen;
  AppendBase64(head, opening);
  constexpr std::size_t kBlockBytes = 3 * 16 * 1024;  // whole groups of three
  for (std::size_t at = take; at < rows.size(); at += kBlockBytes) {
    const std::size_t n = std::min(kBlockBytes, rows.size() - at);
    AppendBase64(rows.subspan(at, n), room(encoded(n)));
  }
  const std::string closing = "\" width=\"" + std::to_string(map.width()) + "\" height=\"" +
                              std::to_string(map.height()) + "\" alt=\"" +
                              std::string("Térkép"_cp) +
                              "\" style=\"max-width: 100%; height: auto\"></center>";
  room(closing.size()) += closing;
}

std::string MapImageLine(const MonoBitmap& map) {
  std::string line;
  AppendMapImageLine(map, [&line](std::size_t) -> std::string& { return line; });
  return line;
}

// Tags stand a few bytes apart in a page, so the "<" of one followed by an
// "a" or "A" is looked for sixteen places at a time (SSE2; eight elsewhere),
// and only those places are compared.
std::size_t FindAppletStart(std::string_view text, std::size_t from) {
  constexpr std::string_view kStart = applet::kAppletStart;
  constexpr std::size_t npos = std::string_view::npos;
  if (from > text.size() || kStart.size() > text.size() - from) return npos;
  const char* const d = text.data();
  const std::size_t end = text.size() - kStart.size() + 1;  // starts up to here are tried
  auto holdsAt = [&](std::size_t at) {
    for (std::size_t i = 1; i < kStart.size(); ++i) {
      const char c = d[at + i];
      if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != kStart[i]) return false;
    }
    return true;
  };
  std::size_t at = from;
#ifdef __SSE2__
  // Sixteen places at a time, with the byte after each of them.
  const __m128i kOpen = _mm_set1_epi8('<');
  const __m128i kSmallA = _mm_set1_epi8('a');
  const __m128i kCaseBit = _mm_set1_epi8(0x20);
  for (; at + 17 <= text.size(); at += 16) {
    const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + at));
    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + at + 1));
    const __m128i hits = _mm_and_si128(_mm_cmpeq_epi8(here, kOpen),
                                       _mm_cmpeq_epi8(_mm_or_si128(next, kCaseBit), kSmallA));
    for (auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits)); mask != 0; mask &= mask - 1) {
      const std::size_t p = at + static_cast<std::size_t>(std::countr_zero(mask));
      if (p < end && holdsAt(p)) return p;
    }
  }
#else
  if constexpr (byte_words::kUsable) {
    using namespace byte_words;
    // The word at `at` and the one a byte later both lie inside the text.
    for (; at + 9 <= text.size(); at += 8) {
      std::uint64_t hits =
          BytesEqual(Load(d + at), '<') & BytesEqual(Load(d + at + 1) | (kOnes * 0x20), 'a');
      for (; hits != 0; hits &= hits - 1) {
        const std::size_t p = at + FirstMarked(hits);
        if (p < end && holdsAt(p)) return p;
      }
    }
  }
#endif
  for (; at < end; ++at)
    if (d[at] == '<' && holdsAt(at)) return at;
  return npos;
}

namespace {

// The page's text on its way out, with each map's picture line put after
// the line that closes its applet. Lines end at CR LF; a line begun in one
// piece of text is finished in a later one.
class MapPictureWriter : public PageTextSink {
 public:
  MapPictureWriter(RunContext& ctx, Layout layout, std::string reportName, MapResources& resources)
      : reportName_(std::move(reportName)), maps_(ctx, layout, reportName_, resources) {}

  void Put(PageFile& page, std::string_view text) override {
    if (!partial_.empty()) {
      std::size_t end;  // the bytes of text that finish the line
      if (partial_.back() == '\r' && !text.empty() && text[0] == '\n') {
        end = 1;  // its CR LF split between the pieces
      } else {
        const std::size_t lineEnd = text.find("\r\n");
        if (lineEnd == std::string_view::npos) {
          partial_.append(text);
          return;
        }
        end = lineEnd + 2;
      }
      partial_.append(text.substr(0, end));
      Line(page, partial_);
      partial_.clear();
      text.remove_prefix(end);
    }
    for (std::size_t start = 0; start < text.size();) {
      if (!open_) {
        // Outside an applet only a line holding "<applet" matters: the text
        // is searched for the next one, and its line taken from its start.
        const std::size_t applet = FindAppletStart(text, start);
        if (applet == std::string_view::npos) {
          // The lines that end here go out; an unfinished one waits.
          const std::size_t lastEnd = text.rfind("\r\n");
          const std::size_t upTo =
              lastEnd == std::string_view::npos || lastEnd + 2 <= start ? start : lastEnd + 2;
          page.PutOut(text.substr(start, upTo - start));
          partial_.assign(text.substr(upTo));
          return;
        }
        const std::size_t lineBreak = text.rfind("\r\n", applet);
        const std::size_t lineStart =
            lineBreak != std::string_view::npos && lineBreak + 2 > start ? lineBreak + 2 : start;
        page.PutOut(text.substr(start, lineStart - start));
        start = lineStart;
      }
      const std::size_t lineEnd = text.find("\r\n", start);
      if (lineEnd == std::string_view::npos) {
        partial_.assign(text.substr(start));
        return;
      }
      Line(page, text.substr(start, lineEnd + 2 - start));
      start = lineEnd + 2;
    }
  }

  void End(PageFile& page) override {
    if (partial_.empty()) return;
    Line(page, partial_);
    partial_.clear();
  }

 private:
  // One whole line, its CR LF with it but on the page's last line.
  void Line(PageFile& page, std::string_view line) {
    if (HoldsLowered(line, applet::kAppletStart)) {
      open_ = true;
      applet_.clear();
    }
    page.PutOut(line);
    if (!open_) return;
    const bool ended = EndsWith(line, "\r\n");
    applet_.emplace_back(line.substr(0, line.size() - (ended ? 2 : 0)));
    if (!HoldsLowered(line, applet::kAppletEnd)) return;
    open_ = false;
    const std::optional<MonoBitmap> map = maps_.MapFor(applet_);
    applet_.clear();
    if (!map) return;
    // A page whose last line has no line end gets one before the picture.
    if (!ended) page.PutOut("\r\n");
    AppendMapImageLine(*map,
                       [&page](std::size_t bytes) -> std::string& { return page.OutBlock(bytes); });
    page.PutOut("\r\n");
  }

  std::string reportName_;
  PageMaps maps_;
  std::string partial_;  // a line not ended yet
  bool open_ = false;
  std::vector<std::string> applet_;  // the open applet's lines
};

}  // namespace

void AddMapPictures(PageFile& page, RunContext& ctx, Layout layout, const std::string& reportName,
                    MapResources& resources) {
  page.SendTextTo(std::make_unique<MapPictureWriter>(ctx, layout, reportName, resources));
}

}  // namespace qv
