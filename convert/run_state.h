// The state of one conversion, owned by the driver and handed to every
// section: the report being read, the document being written, and the
// fields the sections pass to each other.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/run_context.h"
#include "rtfkit/paragraph.h"
#include "rtfkit/prologue.h"
#include "rtfkit/report_reader.h"
#include "rtfkit/rtf_writer.h"
#include "rtfkit/variant.h"

namespace qv {

// Section FORMAT of qvformat.ini: the prologue's fonts and the emphasis
// switches of the paragraph writer.
struct FormatSettings {
  PrologueFonts fonts;
  Emphasis emphasis;
};

// Reads the fourteen FORMAT keys, in order, with their defaults.
FormatSettings ReadFormatSettings(const std::string& iniPath);

struct ConverterRun {
  ConverterRun(RunContext& ctx, Variant variant, const FormatSettings& settings,
               ReportReader& report, RtfWriter& rtf)
      : ctx(ctx), variant(variant), settings(settings), report(report), rtf(rtf) {}

  RunContext& ctx;
  const Variant variant;
  const FormatSettings& settings;
  ReportReader& report;  // the input report
  RtfWriter& rtf;        // the output document

  std::string currentLine;  // the last line read from the report
  std::string headerBlock;
  std::string adventurerBlock;
  std::string turnNumber;
  std::string reportTitle;
  std::string characterName;
  std::string narrative;
  bool narrativeMode = false;
  std::string commandLabel;
  bool contactListWritten = false;
  int pictureCounter = 0;
  int itemCategory = 0;
  // Collected by the closing sections; a conversion starts it with one
  // empty entry.
  std::vector<std::string> commandList{std::string()};

  bool Eof() { return report.Eof(); }
  // Reads the next report line into currentLine.
  void ReadLine() { currentLine = report.ReadLine(); }
  // Reads on until currentLine holds one of the markers (or the report
  // ends); the line that already holds one is not passed over.
  void ReadUntilAny(std::initializer_list<std::string_view> markers);
  bool CurrentHolds(std::string_view marker) const;

  void Console(const std::string& line) { ctx.console.Line(line); }

  // Writes the pending narrative as a paragraph and empties it.
  void FlushNarrative();
};

}  // namespace qv
