// The state of one conversion, owned by the driver and handed to every
// section: the report being read, the document being written, and the
// fields the sections pass to each other.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/format_settings.h"
#include "platform/run_context.h"
#include "rtfkit/paragraph.h"
#include "rtfkit/prologue.h"
#include "rtfkit/rtf_writer.h"
#include "text/report_cursor.h"
#include "text/turn_report.h"

namespace qv {

class MapResources;

struct ConverterRun : ReportCursor {
  ConverterRun(RunContext& ctx, Layout layout, const FormatSettings& settings, ReportReader& report,
               RtfWriter& rtf)
      : ReportCursor(report), ctx(ctx), layout(layout), settings(settings), rtf(rtf) {}

  RunContext& ctx;
  const Layout layout;
  const FormatSettings& settings;
  RtfWriter& rtf;  // the output document
  // The header's columns, turn number, title and the character's name are
  // RTF text: the report's text in them is escaped where it was cut out, so
  // they are written as they stand.
  std::string headerBlock;
  std::string adventurerBlock;
  std::string turnNumber;
  std::string reportTitle;
  std::string characterName;
  std::string narrative;
  bool narrativeMode = false;
  std::string commandLabel;
  std::string scratch;  // a line being put together, its room kept from row to row
  bool contactListWritten = false;
  // The maps' pictures and font, kept by the driver across a batch; without
  // them each map loads its own.
  MapResources* mapResources = nullptr;
  int pictureCounter = 0;   // the pictures of this conversion, counted
  int lastBannerGroup = 0;  // the item banner group whose picture was written last
  // The command reference of the appendix, one entry a list line; every
  // conversion starts with an empty list.
  std::vector<std::string> commandList;

  void Console(const std::string& line) { ctx.console.Line(line); }

  // Writes the pending narrative as a paragraph and empties it.
  void FlushNarrative();
};

}  // namespace qv
