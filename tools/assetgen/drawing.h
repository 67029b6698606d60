// The surface the pictures are drawn on and the font of their text, from
// the tool's graphics library, under the names the drawings use.
#pragma once

#include "graphics/canvas.h"
#include "graphics/label_font.h"

namespace assetgen {

using qv::Canvas;
using qv::InkBox;
using qv::kInk;
using qv::kPaper;
using qv::PointF;
using qv::Tone;

}  // namespace assetgen
