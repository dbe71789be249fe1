#pragma once
// Stretching one piece of a skin image whose mask lies maskOffset rows below
// it, blended through the stretched mask into a 32-bit bitmap: the stretched
// sides and centre of masked frames.
#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"

namespace skinpaint {

// srcRect of src (its mask maskOffset rows lower) over dest. Nothing happens
// for a destination starting left of or above the bitmap, an empty one, a
// destination bitmap 1 pixel wide or high, or a piece (or its mask) that does
// not lie inside src. With maskOffset 0 the piece is stretched as it is.
// Pieces shrunk along one side only, and the centre, are resampled (the
// picture with the Mitchell filter, the mask with the Hermite filter);
// others are stretched by nearest pixel. A centre of one pixel fills the area
// with that pixel as its mask says.
void StretchMaskedPiece(gfx::TBitmap& dst, const gfx::TRect& dest, const gfx::TBitmap& src, const gfx::TRect& srcRect,
                        int maskOffset, bool centre);

}  // namespace skinpaint
