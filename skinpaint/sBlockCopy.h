#pragma once
// Opaque copies of a source rectangle into a 32-bit bitmap: one block, tiles
// laid from a corner, or one stretched block (nearest pixel, as the
// colour-on-colour stretch mode picks it). Sources of 32 bits are copied with
// their alpha, sources without alpha get alpha 255. Everything is clipped:
// destination pixels outside the bitmap, or whose source lies outside the
// source bitmap, are left alone. Destinations of other formats are left alone.
#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"

namespace skinpaint {

// src's srcRect to (x, y); src may be dst, also overlapping.
void CopyBlock(gfx::TBitmap& dst, int x, int y, const gfx::TBitmap& src, const gfx::TRect& srcRect);
// Whole copies of srcRect from dest's top-left corner, the last column and row
// cut at dest's right and bottom edges.
void TileBlock(gfx::TBitmap& dst, const gfx::TRect& dest, const gfx::TBitmap& src, const gfx::TRect& srcRect);
// srcRect stretched over dest: each destination pixel takes the source pixel
// under its centre.
void StretchBlock(gfx::TBitmap& dst, const gfx::TRect& dest, const gfx::TBitmap& src, const gfx::TRect& srcRect);

}  // namespace skinpaint
