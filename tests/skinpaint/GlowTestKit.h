#pragma once
// What the glow tests share on either backend: the internal skin in a
// manager, a plain window to glow over that counts the presses it gets, and
// the colour a premultiplied halo pixel gives over an opaque one.
#include <cstdint>

#include "gfx/TBitmap.h"
#include "skin/sSkinManager.h"
#include "ui/Types.h"

namespace glowtest {


// A shown top-level window filled with `color`; each left press on it adds
// one to Presses().
ui::HWND Backdrop(gfx::TColor color, const gfx::TRect& bounds);
int& Presses();

// Red, green and blue (0xRRGGBB) of a 32-bit pixel.
uint32_t Rgb(const gfx::TBitmap& bitmap, int x, int y);
// The premultiplied pixel (x, y) of picture laid over the opaque 0xRRGGBB
// colour below, as 0xRRGGBB.
uint32_t Over(const gfx::TBitmap& picture, int x, int y, uint32_t below);

}  // namespace glowtest
