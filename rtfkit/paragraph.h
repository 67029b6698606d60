// Report prose with inline HTML markup, rewritten into justified RTF
// paragraphs with the emphasis the player configures.
#pragma once

#include <string>

#include "rtfkit/rtf_writer.h"
#include "text/layout.h"

namespace qv {

// The ten emphasis switches of section FORMAT; a style is on only at 1.
struct Emphasis {
  int harcFelkover = 0;          // bold combat results
  int harcDolt = 0;              // italic combat results
  int kerekZarojelFelkover = 0;  // bold "(+..." / "(-..."
  int kerekZarojelDolt = 0;
  int szogletesZarojelFelkover = 0;  // bold "[+..." / "[-..."
  int szogletesZarojelDolt = 0;
  int feltetelesFelkover = 0;  // bold "(Feltételes ..."
  int feltetelesDolt = 0;
  int encyclopediaFelkover = 0;  // bold "(ld. enc.)"
  int encyclopediaDolt = 0;
};

// What the paragraph writer reads from the conversion under way.
struct ParagraphContext {
  Layout layout = Layout::kRtf;
  Emphasis emphasis;
  bool narrativeMode = false;  // emphasis applies only while this is on
  std::string commandLabel;    // label cell of the order result being written
};

// Rewrites a narrative text (report phrases, braces, paragraph marks) and
// writes it as one paragraph with WriteParagraph(width 130); then empties
// the text. An empty text writes nothing.
void WriteNarrative(const ParagraphContext& ctx, std::string& narrative, RtfWriter& out);

// Converts the inline HTML of text to RTF, adds the configured emphasis and
// writes it in source lines of fewer than width characters; always ends
// with a line break. Adds no "\par".
void WriteParagraph(const ParagraphContext& ctx, std::string text, int width, RtfWriter& out);

}  // namespace qv
