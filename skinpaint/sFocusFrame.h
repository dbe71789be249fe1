#pragma once
// The dotted focus frame the skinned buttons and check boxes draw around
// their caption.
#include "gfx/Geometry.h"
#include "gfx/TCanvas.h"

namespace skinpaint {

// Along each edge of rect (its last column and row included) every third
// pixel, counted from the top-left corner, is black and the pixel before it
// takes the button-face colour; the others keep what lies there.
void DrawSkinFocusFrame(gfx::TCanvas& canvas, const gfx::TRect& rect);

}  // namespace skinpaint
