// Report prose with inline HTML markup, rewritten into justified RTF
// paragraphs with the emphasis the player configures.
#pragma once

#include <string>

#include "rtfkit/emphasis.h"
#include "rtfkit/rtf_writer.h"
#include "text/turn_report.h"

namespace qv {

// What the paragraph writer reads from the conversion under way.
struct ParagraphContext {
  Layout layout = Layout::kOlder;
  Emphasis emphasis;
  bool narrativeMode = false;  // emphasis applies only while this is on
  std::string commandLabel;    // label cell of the order result being written
};

// Rewrites a narrative text (report phrases, braces, paragraph marks) and
// writes it as one paragraph with WriteParagraph(width 130); then empties
// the text. An empty text writes nothing. The text is report text: its "\",
// "{" and "}" are written as literal characters (the older layout's braces
// around notes make italic groups as well) and its control bytes are
// dropped; the paragraph written is balanced whatever the text holds.
void WriteNarrative(const ParagraphContext& ctx, std::string& narrative, RtfWriter& out);

// Converts the inline HTML of report text to RTF, adds the configured
// emphasis and writes it in source lines of fewer than width characters;
// always ends with a line break. Adds no "\par". Like WriteNarrative, writes
// the text's "\", "{" and "}" as literal characters and drops control bytes.
void WriteParagraph(const ParagraphContext& ctx, std::string text, int width, RtfWriter& out);

}  // namespace qv
