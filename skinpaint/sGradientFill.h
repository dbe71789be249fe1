#pragma once
// Background gradients from the steps of a gradient text: vertical bands of
// steps (mode 0), horizontal ones (mode 1), or four corners and the centre
// shaded as triangles (mode 2). The first step's Mode decides.
#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "skin/sSkinRecords.h"

namespace skinpaint {

enum : int { gmVertical = 0, gmHorizontal = 1, gmFourCorners = 2 };

// Paints the steps into rect (clipped to the bitmap); nothing for an empty
// rectangle, no steps or another mode. Rows (mode 0) start at rect's top +
// offset; mode 1 does not use the offset. Pixels get alpha 255.
void FillGradient(gfx::TBitmap& bitmap, const gfx::TRect& rect, const skin::TsGradArray& steps, int offset);

}  // namespace skinpaint
