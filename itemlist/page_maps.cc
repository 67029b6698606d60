#include "itemlist/page_maps.h"

#include <string_view>

#include "text/line_cuts.h"
#include "text/text.h"

namespace qv {

void AddMapPictures(PageFile& page, const MapPictureMaker& maker) {
  if (!maker) return;
  const std::string_view text = std::string_view(page.Text()).substr(0, page.Position());
  std::string out;
  std::vector<std::string> applet;
  bool open = false;
  bool changed = false;
  std::size_t copied = 0;  // text before this offset is in `out` already
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t lineEnd = text.find("\r\n", start);
    const std::size_t next = lineEnd == std::string_view::npos ? text.size() : lineEnd + 2;
    const std::string_view line = text.substr(start, next - start);
    start = next;
    if (HoldsLowered(line, "<applet")) {
      open = true;
      applet.clear();
    }
    if (!open) continue;
    applet.emplace_back(line.substr(0, line.size() - (EndsWith(line, "\r\n") ? 2 : 0)));
    if (!HoldsLowered(line, "</applet>")) continue;
    open = false;
    const std::string picture = maker(applet);
    applet.clear();
    if (picture.empty()) continue;
    out.append(text.substr(copied, next - copied));
    // A page whose last line has no line end gets one before the picture.
    if (!EndsWith(line, "\r\n")) out += "\r\n";
    (out += picture) += "\r\n";
    copied = next;
    changed = true;
  }
  if (!changed) return;
  out.append(text.substr(copied));
  page.Seek(0);
  page.Write(out);
}

}  // namespace qv
