#pragma once
// The cross-fade of the control fades: a picture of the old look mixed with
// the new look, a little more of the new one at each step.
#include "gfx/TBitmap.h"

namespace skinpaint {

// The weight of the old picture at step of steps: 255 - step * 256 / steps,
// kept to 0..255; 0 (only the new picture) when there are no steps.
int FadeAlpha(int step, int steps);

// Every byte of every pixel of frame, alpha included, becomes
// (frame * a + current * (255 - a) + 127) >> 8. frame holds the old picture
// and receives the mix. Both are 32-bit; where their sizes differ only the
// area both cover is mixed, and a picture of another format is left alone.
void FadeBlend(gfx::TBitmap& frame, const gfx::TBitmap& current, int a);

}  // namespace skinpaint
