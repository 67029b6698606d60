// The map pictures of one item-list page: each map applet of the report
// drawn as the document draws it and shown as an inline BMP picture.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "graphics/map_resources.h"
#include "graphics/mono_bitmap.h"
#include "site/run_context.h"
#include "text/layout.h"

namespace qv {

// The line the page shows a map picture with: the picture as a BMP file in
// a base64 data: address, at its size in pixels, centred.
std::string MapImageLine(const MonoBitmap& map);

// Made for one page; the pictures and the label font come from `resources`,
// which a run keeps for all its pages and documents.
class PageMapPictures {
 public:
  PageMapPictures(RunContext& ctx, Layout layout, std::string reportName,
                  MapResources& resources);

  // The line to put after the applet whose lines are given, or empty when
  // the applet has no frame parameter. A map that cannot be drawn (a
  // picture file missing, a parameter that is not a number, a map too
  // large, the page's maps past the picture budget) gives an empty text
  // too, and a warning on the error stream: the page is built without it.
  std::string operator()(const std::vector<std::string>& appletLines);

 private:
  std::string Draw(const std::vector<std::string>& appletLines);

  RunContext& ctx_;
  Layout layout_;
  std::string reportName_;
  std::int64_t pictureBytes_ = 0;  // what the page's maps so far take
  MapResources& resources_;
};

}  // namespace qv
