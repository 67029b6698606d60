#include "convert/maps/page_map.h"

#include "convert/maps/applet_map.h"
#include "convert/maps/map_drawing.h"
#include "platform/error.h"
#include "rtfkit/picture_metafile.h"
#include "text/base64.h"
#include "text/cp1250.h"

namespace qv {

// The picture keeps its pixel size, but shrinks to the window's width when
// the window is narrower (a map of a few tiles is already 1,000 pixels wide).
std::string MapImageLine(const MonoBitmap& map) {
  return "<center><img src=\"data:image/bmp;base64," + Base64(PictureBmpFile(map)) +
         "\" width=\"" + std::to_string(map.width()) + "\" height=\"" +
         std::to_string(map.height()) + "\" alt=\"" + std::string("Térkép"_cp) +
         "\" style=\"max-width: 100%; height: auto\"></center>";
}

PageMapPictures::PageMapPictures(RunContext& ctx, Layout layout, std::string reportName)
    : ctx_(ctx), layout_(layout), reportName_(std::move(reportName)) {}

std::string PageMapPictures::operator()(const std::vector<std::string>& appletLines) {
  try {
    return Draw(appletLines);
  } catch (const Error& e) {
    ctx_.console.ErrorLine("qvformat: the item-list page of '" + reportName_ +
                           "' shows a map without its picture: " + e.kind() + ": " + e.text());
    return "";
  }
}

std::string PageMapPictures::Draw(const std::vector<std::string>& appletLines) {
  const std::optional<AppletParams> params = ReadAppletParams(appletLines, layout_);
  if (!params) return "";
  const MapFrame frame = ParseMapFrame(params->frame);
  CheckMapFrame(frame, reportName_);
  CheckPictureBudget(pictureBytes_, frame, reportName_);
  const MapPictures& pictures = resources_.Pictures(ctx_.programDir);
  const MonoBitmap map = DrawAppletMap(frame, params->cells, pictures, resources_.Font());
  pictureBytes_ += MapPictureBytes(frame);
  return MapImageLine(map);
}

}  // namespace qv
