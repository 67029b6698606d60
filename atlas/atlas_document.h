// The atlas to print: atlasz.rtf, A4 pages like the documents' (their
// prologue, fonts and footer, the footer showing the atlas's newest turn):
// an overview of the whole explored world with the grid of the sheets that
// follow, one sheet per part of the world holding seen cells, with rulers,
// paths, places and its neighbours, then the index of places with their
// sheets.
#pragma once

#include <string>

#include "atlas/world.h"
#include "graphics/label_font.h"
#include "maps/picture_set.h"
#include "rtfkit/prologue.h"
#include "rtfkit/rtf_writer.h"

namespace qv {

inline constexpr const char* kAtlasDocumentName = "atlasz.rtf";

// Writes the whole document to `out` (Close() is the caller's).
void WriteAtlasDocument(const AtlasWorld& world, const MapPictures& pictures, const LabelFont& font,
                        const PrologueFonts& fonts, RtfWriter& out);

// The same into `fileName` through a replacing file; throws qv::Error when
// it cannot be written.
void WriteAtlasDocument(const AtlasWorld& world, const MapPictures& pictures, const LabelFont& font,
                        const PrologueFonts& fonts, const std::string& fileName);

}  // namespace qv
