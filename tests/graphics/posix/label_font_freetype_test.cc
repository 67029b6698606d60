// The FreeType backend's other font: the one the pictures of assets/ are
// drawn with on the build host (tools/assetgen).
#include <gtest/gtest.h>

#include "graphics/label_font.h"
#include "platform/error.h"

namespace qv {
namespace {

TEST(LabelFonts, ADrawingFontIsThatFamilyOrNone) {
  try {
    OpenDrawingFont("No Such Family Anywhere", true, 20);
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), "Betukeszlet hiba");
    EXPECT_NE(e.text().find("a(z) No Such Family Anywhere:bold betukeszlet nincs telepitve"),
              std::string::npos)
        << e.text();
  }
  // The pictures of assets/ are drawn with Liberation Serif Bold.
  const auto font = OpenDrawingFont("Liberation Serif", true, 40);
  EXPECT_GT(MeasureInk(*font, U"ZORDON", 0).width(), 0);
}

}  // namespace
}  // namespace qv
