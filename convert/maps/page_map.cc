#include "convert/maps/page_map.h"

#include "graphics/applet_map.h"
#include "graphics/map_drawing.h"
#include "graphics/picture_metafile.h"
#include "platform/error.h"
#include "text/base64.h"
#include "text/cp1250.h"

namespace qv {

// The picture keeps its pixel size, but shrinks to the window's width when
// the window is narrower (a map of a few tiles is already 1,000 pixels wide).
std::string MapImageLine(const MonoBitmap& map) {
  // The BMP file is encoded from its head and the bitmap's own rows: the
  // head takes the first bytes of the rows up to a whole group of three, so
  // the rest encodes on its own, without a copy of megabytes of rows.
  std::vector<uint8_t> head = PictureBmpHead(map);
  const std::span<const uint8_t> rows = map.DibRows();
  const std::size_t take = std::min(rows.size(), (3 - head.size() % 3) % 3);
  head.insert(head.end(), rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(take));
  std::string line = "<center><img src=\"data:image/bmp;base64,";
  line.reserve(line.size() + (head.size() + rows.size() + 2) / 3 * 4 + 128);
  AppendBase64(head, line);
  AppendBase64(rows.subspan(take), line);
  line += "\" width=\"" + std::to_string(map.width()) + "\" height=\"" +
          std::to_string(map.height()) + "\" alt=\"" + std::string("Térkép"_cp) +
          "\" style=\"max-width: 100%; height: auto\"></center>";
  return line;
}

PageMapPictures::PageMapPictures(RunContext& ctx, Layout layout, std::string reportName,
                                 MapResources& resources)
    : ctx_(ctx), layout_(layout), reportName_(std::move(reportName)), resources_(resources) {}

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
