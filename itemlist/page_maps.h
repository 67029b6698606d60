// Pictures behind the report's map applets, which browsers no longer run:
// each applet's map drawn as the document draws it and shown after the
// applet as an inline BMP picture.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "graphics/mono_bitmap.h"
#include "itemlist/page_file.h"
#include "maps/map_resources.h"
#include "platform/run_context.h"
#include "text/turn_report.h"

namespace qv {

// The line the page shows a map picture with: the picture as a BMP file in
// a base64 data: address, at its size in pixels, centred.
std::string MapImageLine(const MonoBitmap& map);
// The same line appended in pieces of at most some tens of kilobytes, each
// to the text room(n) gives for its n bytes, so a picture of megabytes is
// never held whole (PageFile::OutBlock).
void AppendMapImageLine(const MonoBitmap& map,
                        const std::function<std::string&(std::size_t)>& room);

// Where "<applet" (any case: A to Z lowered) first starts at or after
// `from`, or npos.
std::size_t FindAppletStart(std::string_view text, std::size_t from);

// Has the page's text go out with the picture line of the map after every
// line of the page that closes an applet ("</applet>", any case) opened on
// it or on an earlier line ("<applet", any case); the applet's own lines
// stay as they are. Call it before any of the page's text goes out
// (PageFile::SettleBefore); each map is drawn as its applet's last line goes
// out, in Finish() at the latest. An applet opened again
// before it is closed starts over from the later line; one never closed
// gets nothing, nor does one without a frame parameter. The parameters are
// read as the report's `layout` holds them (AppletReader); the pictures
// and the label font come from `resources`, which a run keeps for all its
// pages. A map that cannot be drawn (a picture file missing, a parameter
// that is not a number, a map too large, the page's maps past the picture
// budget) gets no picture but a warning on the error stream naming
// `reportName`: the page is built without it.
void AddMapPictures(PageFile& page, RunContext& ctx, Layout layout, const std::string& reportName,
                    MapResources& resources);

}  // namespace qv
