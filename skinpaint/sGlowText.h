#pragma once
// A blurred, coloured halo around a text, blended into a 32-bit picture
// before the text itself is drawn.
#include <string_view>
#include <vector>

#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "skinpaint/sPaintConst.h"

namespace skinpaint {

// The normalised Gaussian weights for offsets -r .. r of a glow of the given
// size: weight(k) = exp(-(k / size)^2 / 2) over k = -100 .. 100, cut from the
// outside while the dropped pairs weigh less than 1/510 (the pair that
// reaches it goes too, r stays at least 1), then normalised again.
std::vector<double> GlowKernel(int size);

// Blends a glow of `size` pixels in `color` around text (drawn in rect with
// format and bitmap's canvas font) into bitmap. The glow map is an 8-bit
// picture of rect widened by size + 4 on every side (0 full glow, 255 none);
// one of exactly that size is used as it is, so callers that keep it pay for
// the blur once. copies: one more copy of the text moved a pixel left (bit 0),
// up (1), right (2), down (3). Glow pixels outside bitmap are skipped.
void DrawGlowText(gfx::TBitmap& bitmap, std::string_view text, const gfx::TRect& rect, gfx::TBitmap& glowMap,
                  TColor color, int size, unsigned copies, unsigned format);

}  // namespace skinpaint
