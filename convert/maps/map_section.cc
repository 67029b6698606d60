#include "convert/maps/map_section.h"

#include <cstdio>
#include <string>
#include <vector>

#include "convert/maps/map_legend.h"
#include "convert/maps/rtf_picture.h"
#include "graphics/label_font.h"
#include "graphics/map_drawing.h"
#include "graphics/map_params.h"
#include "graphics/map_resources.h"
#include "graphics/picture_set.h"
#include "text/cp1250.h"
#include "text/line_cuts.h"
#include "text/text.h"

namespace qv {
namespace {

constexpr std::string_view kTeleportTitle = "A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED"_cp;
constexpr std::string_view kJourneyTitle = "UTAZÁS MEGKEZDÉSE ELŐTTI TÉRKÉPED"_cp;
constexpr std::string_view kFrameParam = "<param name=koord";
constexpr std::string_view kCellParam = "<param name=p";

// Reads lines after the current one until one holds the frame parameter
// (the older layout compares lower-cased text).
bool FindFrameLine(ConverterRun& run) {
  while (!run.Eof()) {
    run.ReadLine();
    if (run.layout == Layout::kOlder ? HoldsLowered(run.currentLine, kFrameParam)
                                     : run.CurrentHolds(kFrameParam))
      return true;
  }
  return false;
}

}  // namespace

bool DrawMap(ConverterRun& run) {
  if (!FindFrameLine(run)) return false;
  // The older layout has the whole applet on this line: two pieces before
  // the frame parameter, which is also where the cells start.
  std::vector<std::string> pieces;
  std::string frameText = run.currentLine;
  if (run.layout == Layout::kOlder) {
    pieces = SplitAppletLine(run.currentLine);
    frameText = pieces.size() > 2 ? pieces[2] : std::string();
  }

  const MapFrame frame = ParseMapFrame(frameText);
  CheckMapFrame(frame, run.report.name());
  const std::int64_t pictureBytes = MapPictureBytes(frame);
  CheckPictureBudget(run.rtf.pictureBytes(), frame, run.report.name());
  MapResources ownResources;
  MapResources& resources = run.mapResources != nullptr ? *run.mapResources : ownResources;
  const MapPictures& pictures = resources.Pictures(run.ctx.programDir);
  MonoBitmap map = NewMapBitmap(frame);
  DrawMapLabels(map, frame, resources.Font());

  if (run.layout == Layout::kOlder) {
    for (std::size_t i = 2; i < pieces.size(); ++i) {
      const std::string lower = AsciiLowerCase(pieces[i]);
      if (Contains(lower, kCellParam)) DrawMapCell(map, ParseMapCell(pieces[i]), pictures);
      if (Contains(lower, "</applet>")) break;
    }
  } else {
    while (!run.Eof() && !HoldsLowered(run.currentLine, "</table></center>")) {
      run.ReadLine();
      if (run.CurrentHolds(kCellParam)) DrawMapCell(map, ParseMapCell(run.currentLine), pictures);
    }
  }
  WriteRtfPicture(run, map);
  run.rtf.AddPictureBytes(pictureBytes);
  run.currentLine = frameText;
  return true;
}

bool AtJourneyMap(const ConverterRun& run) {
  return run.CurrentHolds(kTeleportTitle) ||
         (run.layout == Layout::kOlder && run.CurrentHolds(kJourneyTitle));
}

void WriteJourneyMapSection(ConverterRun& run) {
  const bool teleport = run.layout == Layout::kNewer || run.CurrentHolds(kTeleportTitle);
  run.FlushNarrative();
  run.rtf.Line(R"(\par\par)");
  run.rtf.Line(R"({\f5\fs36\qc\keep\keepn )" +
               std::string(teleport ? kTeleportTitle : kJourneyTitle) + R"({\f5\fs20\par\par}})");
  run.rtf.Line(std::string(R"({\f11\fs20    }{\f4\fs20\ql\keep\keepn\b )") +
               std::string("A sátorral jelölt mező a teleportálás pozícióját mutatja."_cp) +
               R"(\par\par})");
  run.Console("   Teleportalasrol terkep keszites...");
  DrawMap(run);
  WriteMapLegend(run, MapLegendEnd(run.layout));
}

void WriteStepMapSection(ConverterRun& run) {
  run.Console("E korben tett lepeseid terkepenek keszitese...");
  run.rtf.Line(R"(\page\f4\fs20)");
  run.rtf.Line(std::string(R"({\f5\fs36\qc\keep\keepn )") +
               std::string("E KÖRBEN TETT LÉPÉSEID TÉRKÉPE"_cp) + R"({\f5\fs20\par\par}})");
  DrawMap(run);
  WriteMapLegend(run, MapLegendEnd(run.layout));
}

}  // namespace qv
