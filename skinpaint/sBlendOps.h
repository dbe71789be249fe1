#pragma once
// Laying one 32-bit picture over another: with a fixed weight, with a key
// colour left out, and with the picture's own per-pixel alpha.
//
// Key pixels: skin images mark see-through pixels by their whole value, the
// key colour with alpha 0. BlendKeyedImage also reads pictures that painters
// made (a parent's cache, where magenta holes are opaque), so it compares the
// colour alone.
//
// All four take the destination and where to put the picture first, then the
// picture and the part of it to take, then how to lay it.
#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "skinpaint/sParentBackground.h"

namespace skinpaint {

// Places srcRect of src at point of dst; every byte of every covered pixel,
// alpha included, becomes (d * a + s * (255 - a) + 127) >> 8, so a (0..255) is
// the weight of what dst held. A negative point moves the source rectangle's
// start instead. Nothing happens when either bitmap is narrower or lower than
// 2 pixels.
void BlendBitmapOver(gfx::TBitmap& dst, gfx::TPoint point, const gfx::TBitmap& src, const gfx::TRect& srcRect, int a);

// Every source pixel of srcRect (right column and bottom row included) whose
// colour is not the key changes the destination pixel at the matching place
// from point: each byte becomes nearest(s - (s - d) * t).
void BlendKeyedImage(gfx::TBitmap& dst, gfx::TPoint point, const gfx::TBitmap& src, const gfx::TRect& srcRect,
                     TColor key, double t);

// Per-pixel alpha copy of srcRect to dstRect, as large as the smaller of the
// two: each colour channel becomes ((s - d) * a + d * 256) >> 8 with a the
// source alpha, and the destination alpha grows by a * (255 - alpha) / 255.
// With a Ready background and replace, see-through key pixels take the
// background's pixel at the matching place.
void CopyAlphaImage(gfx::TBitmap& dst, const gfx::TRect& dstRect, const gfx::TBitmap& src, const gfx::TRect& srcRect,
                    bool replace, const ParentBackground& background);

// The same copy with the source alpha scaled by (100 - transparency) / 100 and,
// unless tint is NO_TINT, every source colour channel replaced by the tint's
// channel times the pixel's grey ((red + green + blue) / 3) / 255, rounded, so
// the picture keeps its shading in the tint's colour.
void DrawAlphaImage(gfx::TBitmap& dst, const gfx::TRect& dstRect, const gfx::TBitmap& src, const gfx::TRect& srcRect,
                    int transparency, TColor tint);

}  // namespace skinpaint
