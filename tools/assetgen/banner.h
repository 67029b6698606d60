// The title banner of the converted documents: the game world's name in
// black capitals on a white band between ornamented rules.
#pragma once

#include "drawing.h"

namespace assetgen {

Canvas DrawBanner();

}  // namespace assetgen
