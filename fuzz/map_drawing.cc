// Fuzz target: the map applet's parameters and the picture drawn from them,
// as a report's map section reads them. The input is report lines: the
// first one holding "<param name=koord" is the frame; when it also holds
// "> <" it is an applet line of the older layout (frame and cells on one
// line), otherwise the cells follow one per line up to "</table></center>",
// as in the newer layout. The test pictures stand in for the tiles.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "convert/maps/rtf_picture.h"
#include "fuzz/fuzz_support.h"
#include "graphics/label_font.h"
#include "maps/map_drawing.h"
#include "maps/map_params.h"
#include "maps/picture_set.h"
#include "platform/error.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_pictures.h"
#include "text/line_cuts.h"
#include "text/text.h"

namespace {

// Encoding a picture costs time in proportion to its pixels; pictures up to
// this size are also encoded here, larger ones by the converter targets.
constexpr int64_t kEncodedPixels = 4'000'000;

struct MapScratch {
  MapScratch() : pictures(Load(dir)) {}
  static qv::MapPictures Load(const qv::test::TempDir& d) {
    qv::test::WriteTestPictures(d);
    return qv::LoadMapPictures(d.path() + "/");
  }
  qv::test::TempDir dir;
  qv::MapPictures pictures;
  std::unique_ptr<qv::LabelFont> font = qv::OpenMapLabelFont();
};

void DrawCell(qv::MonoBitmap& map, const std::string& param, const MapScratch& scratch) {
  qv::DrawMapCell(map, qv::ParseMapCell(param), scratch.pictures);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const MapScratch scratch;
  const std::vector<std::string> lines = qv::fuzz::InputLines(qv::fuzz::AsText(data, size));
  std::size_t at = 0;
  while (at < lines.size() && !qv::HoldsLowered(lines[at], "<param name=koord")) ++at;
  if (at == lines.size()) return 0;

  try {
    const bool older = qv::Contains(lines[at], "> <");
    std::vector<std::string> pieces;
    std::string frameText = lines[at];
    if (older) {
      pieces = qv::SplitAppletLine(lines[at]);
      frameText = pieces.size() > 2 ? pieces[2] : std::string();
    }
    const qv::MapFrame frame = qv::ParseMapFrame(frameText);
    qv::MonoBitmap map = qv::NewMapBitmap(frame);
    qv::DrawMapLabels(map, frame, *scratch.font);
    if (older) {
      for (std::size_t i = 2; i < pieces.size(); ++i) {
        const std::string lower = qv::AsciiLowerCase(pieces[i]);
        if (qv::Contains(lower, "<param name=p")) DrawCell(map, pieces[i], scratch);
        if (qv::Contains(lower, "</applet>")) break;
      }
    } else {
      for (std::size_t i = at + 1;
           i < lines.size() && !qv::HoldsLowered(lines[i - 1], "</table></center>"); ++i)
        if (qv::Contains(lines[i], "<param name=p")) DrawCell(map, lines[i], scratch);
    }
    if (int64_t{map.width()} * map.height() <= kEncodedPixels) qv::PictureGroup(map, nullptr);
  } catch (const qv::Error&) {
    // refused with a message
  }
  return 0;
}
