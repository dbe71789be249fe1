#pragma once
// Plain colour work on 32-bit bitmaps: mixing colour values, fading toward a
// colour, solid fills, alpha, and grey.
#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "skinpaint/sPaintConst.h"

namespace skinpaint {

// Each colour channel nearest(t * a + (1 - t) * b); the top byte is a's.
TColor MixColors(TColor a, TColor b, double t);

// p percent (0..100) of every pixel stays, the rest is the colour's; alpha is
// untouched. The rectangle includes its right column and bottom row, after
// its edges are brought inside the bitmap, so (0, 0, width, height) is exactly
// the bitmap.
void FadeRectToColor(gfx::TBitmap& bitmap, const gfx::TRect& rect, int p, TColor color);

// The colour with alpha 255 into the rectangle (right and bottom exclusive).
void FillRect32(gfx::TBitmap& bitmap, const gfx::TRect& rect, TColor color);

// Sets the alpha of the rectangle's pixels; with skipKey, see-through key
// pixels keep theirs.
void SetRectAlpha(gfx::TBitmap& bitmap, const gfx::TRect& rect, uint8_t alpha, bool skipKey);

// Red, green and blue of every pixel become (red + green + blue) / 3.
void GrayScale(gfx::TBitmap& bitmap);
// The same, leaving pixels of the key colour (compared without alpha) alone.
void GrayScaleKeyed(gfx::TBitmap& bitmap, TColor key);

}  // namespace skinpaint
