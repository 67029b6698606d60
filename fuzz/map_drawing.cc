// Fuzz target: the map applet's parameters and the picture drawn from them,
// read by the map sections' reader (maps/applet_map.h). The input is report
// lines: the first one holding "<param name=koord" (any case) decides the
// layout. When it also holds "> <" it is an applet line of the older layout
// (frame and cells on one line), otherwise the newer layout's lines are read
// from it on, the cells one per line up to "</table></center>". The test
// pictures stand in for the tiles.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "maps/applet_map.h"
#include "maps/map_resources.h"
#include "platform/error.h"
#include "rtfkit/picture_group.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_pictures.h"
#include "text/line_cuts.h"
#include "text/report_markers.h"
#include "text/text.h"

namespace {

// Encoding a picture costs time in proportion to its pixels; pictures up to
// this size are also encoded here, larger ones by the converter targets.
constexpr int64_t kEncodedPixels = 4'000'000;

// The test pictures in a folder of their own, loaded at the first map and
// kept with the label font.
struct MapScratch {
  MapScratch() { qv::test::WriteTestPictures(dir); }
  qv::test::TempDir dir;
  qv::MapResources resources;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MapScratch scratch;
  const std::vector<std::string> lines = qv::fuzz::InputLines(qv::fuzz::AsText(data, size));
  std::size_t at = 0;
  while (at < lines.size() && !qv::HoldsLowered(lines[at], qv::applet::kFrameParam)) ++at;
  if (at == lines.size()) return 0;

  try {
    const qv::Layout layout =
        qv::Contains(lines[at], "> <") ? qv::Layout::kOlder : qv::Layout::kNewer;
    qv::ListedLines source(std::span<const std::string>(lines).subspan(at));
    qv::AppletReader applet(source, layout);
    if (!applet.FindFrame()) return 0;
    const qv::MonoBitmap map =
        qv::DrawAppletMap(applet, scratch.resources, scratch.dir.path() + "/", "", 0);
    if (int64_t{map.width()} * map.height() <= kEncodedPixels) qv::PictureGroup(map, nullptr);
  } catch (const qv::Error&) {
    // refused with a message
  }
  return 0;
}
