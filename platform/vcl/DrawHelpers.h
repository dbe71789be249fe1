#pragma once
// The drawing steps the plain looks of the standard controls share: 3-D
// frames, the dotted focus rectangle, embossed disabled text and pictures
// blended with their own alpha.
#include <string_view>

#include "gfx/TCanvas.h"

namespace vcl {

// One ring per width step, top and left in `topLeft`, bottom and right in
// `bottomRight`; `rect` shrinks by the width.
void Frame3D(gfx::TCanvas& canvas, gfx::TRect& rect, gfx::TColor topLeft, gfx::TColor bottomRight, int width);
// Every second pixel of the rectangle's edge, in the text colour.
void DrawFocusRect(gfx::TCanvas& canvas, const gfx::TRect& rect);
// Text of a disabled control: a highlight copy one pixel down and right,
// then the text in the shadow colour.
void DrawDisabledText(gfx::TCanvas& canvas, std::string_view text, gfx::TRect rect, unsigned format);
// A 32-bit picture with straight alpha blended over what the canvas holds.
void DrawAlphaBitmap(gfx::TCanvas& canvas, const gfx::TRect& dest, const gfx::TBitmap& bitmap);

}  // namespace vcl
