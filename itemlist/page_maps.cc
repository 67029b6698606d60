#include "itemlist/page_maps.h"

#include <string_view>

#include "text/line_cuts.h"
#include "text/text.h"

namespace qv {

void AddMapPictures(PageFile& page, const MapPictureMaker& maker) {
  if (!maker) return;
  const std::string_view text = std::string_view(page.Text()).substr(0, page.Position());
  std::vector<std::string> applet;
  bool open = false;
  for (std::size_t start = 0; start < text.size();) {
    if (!open) {
      // Outside an applet only a line holding "<applet" matters: the page
      // is searched for the next one, and its line taken from its start.
      // An ASCII pattern is found lowered alike by both lowerings.
      const std::size_t applet = FindLoweredFrom(text, "<applet", start);
      if (applet == std::string_view::npos) break;
      const std::size_t lineBreak = text.rfind("\r\n", applet);
      if (lineBreak != std::string_view::npos && lineBreak + 2 > start) start = lineBreak + 2;
    }
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
    std::string picture = maker(applet);
    applet.clear();
    if (picture.empty()) continue;
    // A page whose last line has no line end gets one before the picture.
    if (!EndsWith(line, "\r\n")) picture.insert(0, "\r\n");
    picture += "\r\n";
    page.InsertAtFinish(static_cast<std::int64_t>(next), std::move(picture));
  }
}

}  // namespace qv
