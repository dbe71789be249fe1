#pragma once
// Copies of one piece of a skin image into a 32-bit bitmap, merging its
// see-through pixels with what lies behind: colour-keyed pieces and pieces
// whose mask lies below them in the image.
#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "skin/sSkinRecords.h"
#include "skinpaint/sParentBackground.h"

namespace skinpaint {

// srcRect (right column and bottom row included) to (x, y). Pixels whose whole
// value is the key colour with alpha 0 are see-through:
// - replace with a Ready background: when dst is the background's own bitmap,
//   only the other pixels are copied, with alpha 255; otherwise see-through
//   pixels take the background's pixel at (dx + X, dy + Y) when there is one,
//   the others are copied, and every pixel written gets alpha 255;
// - a Ready background without replace: see-through pixels leave dst as it is;
// - no Ready background: see-through pixels become its FillColor, alpha 255.
// Other pixels are copied as they are unless said otherwise.
void CopyKeyedPiece(gfx::TBitmap& dst, const gfx::TBitmap& src, int x, bool replace, const ParentBackground& background,
                    TColor key, const gfx::TRect& srcRect, int y);

// srcRect through its mask (SourceRect height / 2 rows below each pixel, as in
// the entry) to dstRect, as large as the smaller of the two. A mask pixel says
// per channel how much of the destination stays (kernels::MaskBlendPixel).
// - a Ready background with replace: key-colour pixels take the background's
//   pixel at the matching place (none where that lies outside it), the others
//   blend; every pixel written gets alpha 255;
// - a Ready background without replace: every pixel blends;
// - no Ready background: key-colour pixels become FillColor with replace and
//   are skipped without; the others blend.
void CopyMaskedPiece(const gfx::TRect& dstRect, const gfx::TRect& srcRect, gfx::TBitmap& dst,
                     const skin::TsMaskData& entry, bool replace, const ParentBackground& background,
                     const gfx::TBitmap& src);

}  // namespace skinpaint
