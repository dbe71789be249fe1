#pragma once
// One state frame of a glyph entry (check marks, title-button icons, corner
// images) drawn at a point of a 32-bit bitmap.
#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "skin/sSkinRecords.h"
#include "skinpaint/sParentBackground.h"

namespace skinpaint {

enum TGlyphDrawMode : int { gdNormal = 1, gdHalf = 2 };

// The frame for state (the last one for a state beyond them) with its top-left
// corner at point; parts left of or above the bitmap are cut off. Masked
// glyphs blend through their mask (half-strength mode lifts the mask by 100);
// colour-keyed glyphs leave out their key pixels, showing the background in
// normal mode, and blend at half strength in gdHalf. A glyph with a bitmap of
// its own that does not reach its SourceRect paints nothing.
void PaintMaskGlyph(gfx::TBitmap& bitmap, gfx::TPoint point, int state, const ParentBackground& background,
                    const skin::TsMaskData& entry, int mode);

}  // namespace skinpaint
