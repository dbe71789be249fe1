#pragma once
// The light a gauge sweeps along its bar: the program's "ACGL" picture
// stretched to the light's length and the bar's thickness.
#include "gfx/TBitmap.h"

namespace controls {

// The light's length along the bar, in pixels.
inline constexpr int GaugeLightLength = 300;

// light becomes the "ACGL" picture stretched to GaugeLightLength x thickness,
// with straight alpha. A bar thinner than the picture takes the middle of it:
// (picture height - thickness) / 2 + 1 rows are left out at the top, unless
// twice that many would exceed the thickness. Empty when the resource is not
// registered or not a picture.
void MakeGaugeLight(gfx::TBitmap& light, int thickness);

}  // namespace controls
