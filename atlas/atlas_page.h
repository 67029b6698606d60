// The atlas as one page to explore in a browser: atlasz.htm. The page holds
// everything it shows (the map pictures once each, the cells as numbers in
// its script), so it opens from disk with nothing beside it and no network.
// Its size grows with the cells seen, never with the world's extent.
#pragma once

#include <string>

#include "atlas/world.h"
#include "maps/picture_set.h"

namespace qv {

inline constexpr const char* kAtlasPageName = "atlasz.htm";

// The page's bytes (UTF-8, CR LF line ends).
std::string AtlasPageText(const AtlasWorld& world, const MapPictures& pictures);

// Writes the page to `fileName` through a replacing file; throws qv::Error
// when it cannot be written.
void WriteAtlasPage(const AtlasWorld& world, const MapPictures& pictures,
                    const std::string& fileName);

}  // namespace qv
