// Pictures behind the report's map applets, which browsers no longer run.
// The page cannot draw a map itself (the drawing belongs to the converter),
// so whoever builds the page hands in a maker for the picture's markup.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "itemlist/page_file.h"

namespace qv {

// Given the page lines of one applet, from the line that opens it to the
// line that closes it, returns the line to put after them; empty for none.
using MapPictureMaker = std::function<std::string(const std::vector<std::string>& appletLines)>;

// Has the page's Finish() put the maker's line after every line of the page
// that closes an applet ("</applet>", any case) opened on it or on an
// earlier line ("<applet", any case); the applet's own lines stay as they
// are. Call it after the page's last write. An applet opened
// again before it is closed starts over from the later line; one never
// closed gets nothing. Without a maker the page is left alone.
void AddMapPictures(PageFile& page, const MapPictureMaker& maker);

}  // namespace qv
