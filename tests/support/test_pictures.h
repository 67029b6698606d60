// A map picture set whose pixels tell the tests which tile, arrow or icon
// landed where:
// - terrain t: white, black corners (0, 0) and (199, 199), and in row 5 a
//   black bar of 5 * t pixels from the left edge;
// - arrow k: its 47 x 47 pixels black with a white 6 x 6 hole whose left
//   edge is at 4 * k, top 20;
// - icon k: its 55 x 56 pixels black with a white 4 x 8 hole at
//   x = 4 + 6 * k, top 24.
// Terrain 7 is stored in 24 bits, terrain 8 top-down in 8 bits, to take
// the picture set through more than one file layout.
#pragma once

#include "tests/support/scratch_dir.h"

namespace qv::test {

// Writes the set into dir/picture/, where the tool looks for its pictures.
void WriteTestPictures(const TempDir& dir);

}  // namespace qv::test
