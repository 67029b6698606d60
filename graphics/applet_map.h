// A map applet taken as a whole: its parameters picked out of the applet's
// lines and drawn as one picture, for the item-list page. The document's map
// sections read the same parameters as they go (convert/maps/map_section.h).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "graphics/label_font.h"
#include "graphics/map_params.h"
#include "graphics/mono_bitmap.h"
#include "graphics/picture_set.h"
#include "text/turn_report.h"

namespace qv {

// The frame parameter's text and the cell parameters' texts, in order.
struct AppletParams {
  std::string frame;
  std::vector<std::string> cells;
};

// Picks the parameters out of an applet's lines the way the layout's
// converter reads them. The older layout: the first line whose lower-cased
// text holds "<param name=koord" is cut into pieces (SplitAppletLine); the
// third piece is the frame and the pieces from it on that hold
// "<param name=p" (any case) are the cells, up to the piece holding
// "</applet>". The newer layout: the first line holding "<param name=koord"
// is the frame, the following lines holding "<param name=p" are the cells
// (case as written), up to a line holding "</table></center>" (any case).
// Empty without a frame line.
std::optional<AppletParams> ReadAppletParams(const std::vector<std::string>& lines, Layout layout);

// The map picture of a frame and its cell parameters: labels, then each
// cell in order. Throws qv::Error for a cell field that is not a number.
MonoBitmap DrawAppletMap(const MapFrame& frame, const std::vector<std::string>& cells,
                         const MapPictures& pictures, const LabelFont& font);

}  // namespace qv
