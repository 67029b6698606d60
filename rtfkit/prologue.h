// The fixed beginning of every converted document: font table, colours,
// stylesheet, A4 page, footer with turn and page number, title banner, the
// report header in two columns and the report title.
#pragma once

#include <string>
#include <string_view>

#include "rtfkit/rtf_writer.h"

namespace qv {

struct PrologueFonts {
  std::string times = "Times New Roman CE";          // font 4, body
  std::string arial = "Arial CE";                    // font 5, headings
  std::string footer = "Arial Narrow CE QV Footer";  // font 6, footer
  std::string fixed = "Courier New CE";              // font 11, fixed pitch
};

// The blocks and the title are RTF text, written as they stand: the report's
// text in them is already escaped. The font names hold no "{", "}", "\",
// ";" or control byte (the settings reader refuses such a name).
struct PrologueInput {
  PrologueFonts fonts;
  std::string headerBlock;      // "Betáplálva:" cell, lines ended by "\par " CR LF
  std::string adventurerBlock;  // "KALANDOZÓ:" cell, same form
  std::string reportTitle;
};

// The characters of headerBlock between the first ". JÁTÉKHETED, " and the
// first ". FORDULÓD"; empty when either is missing or they stand in the
// other order.
std::string TurnNumber(const std::string& headerBlock);

// Writes the prologue and returns the turn number it showed in the footer.
std::string WritePrologue(const PrologueInput& in, RtfWriter& out);

// The same prologue with `turn` in the footer, for a document that stands
// for no single report (the atlas shows its newest turn there).
void WritePrologueShowingTurn(const PrologueInput& in, std::string_view turn, RtfWriter& out);

// Writes the one-cell table holding the title banner picture (692 lines).
void WriteBannerPicture(RtfWriter& out);

}  // namespace qv
