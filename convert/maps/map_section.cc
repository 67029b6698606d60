#include "convert/maps/map_section.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "convert/maps/map_legend.h"
#include "graphics/mono_bitmap.h"
#include "maps/applet_map.h"
#include "maps/map_resources.h"
#include "rtfkit/picture_group.h"
#include "text/cp1250.h"
#include "text/report_markers.h"

namespace qv {
namespace {

using older::kJourneyMapTitle;
using report::kTeleportMapTitle;

}  // namespace

void WriteRtfPicture(ConverterRun& run, const MonoBitmap& bitmap) {
  ++run.pictureCounter;
  run.Console("      A Terkep merete: " + std::to_string(bitmap.width()) + "x" +
              std::to_string(bitmap.height()) + " pixel");
  run.Console("         Terkep Konvertalas -> RTF " + PictureDots(bitmap));
  WritePictureGroup(bitmap, [&run](std::string_view piece) { run.rtf.Write(piece); });
  run.rtf.Write("\r\n");
}

bool DrawMap(ConverterRun& run) {
  CursorLines lines(run);
  AppletReader applet(lines, run.layout);
  if (!applet.FindFrame()) return false;
  MapResources ownResources;
  MapResources& resources = run.mapResources != nullptr ? *run.mapResources : ownResources;
  const MonoBitmap map = DrawAppletMap(applet, resources, run.ctx.programDir, run.report.name(),
                                       run.rtf.pictureBytes());
  WriteRtfPicture(run, map);
  run.rtf.AddPictureBytes(static_cast<std::int64_t>(map.DibRows().size()));
  run.currentLine = applet.frame();
  return true;
}

bool AtJourneyMap(const ConverterRun& run) {
  static const Needle teleport(kTeleportMapTitle), journey(kJourneyMapTitle);
  return run.CurrentHolds(teleport) || (run.layout == Layout::kOlder && run.CurrentHolds(journey));
}

void WriteJourneyMapSection(ConverterRun& run) {
  const bool teleport = run.layout == Layout::kNewer || run.CurrentHolds(kTeleportMapTitle);
  run.FlushNarrative();
  run.rtf.Line(R"(\par\par)");
  run.rtf.Line(R"({\f5\fs36\qc\keep\keepn )" +
               std::string(teleport ? kTeleportMapTitle : kJourneyMapTitle) +
               R"({\f5\fs20\par\par}})");
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
  // Titled in capitals, as the older layout spells it, in both layouts.
  run.rtf.Line(std::string(R"({\f5\fs36\qc\keep\keepn )") + std::string(older::kStepMapTitle) +
               R"({\f5\fs20\par\par}})");
  DrawMap(run);
  WriteMapLegend(run, MapLegendEnd(run.layout));
}

}  // namespace qv
