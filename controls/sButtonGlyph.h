#pragma once
// The glyph of a skinned push button in a state: a 32-bit glyph with its own
// alpha, any other with the bottom-left pixel of its frame as see-through
// colour, the frame chosen by the state, Blend and Grayed in the normal look
// and the disabled looks.
#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "skinpaint/sPaintConst.h"

namespace controls {

struct TsGlyphLook {
    int NumGlyphs = 1;
    // 0 normal, 1 hot, 2 pressed.
    int State = 0;
    bool Enabled = true;
    bool Down = false;
    // Transparency in percent of the normal look.
    int Blend = 0;
    bool Grayed = false;
    // DisabledGlyphKind (dgBlended, dgGrayed).
    unsigned DisabledGlyphKind = 1;
    // The tint of a grey 32-bit glyph: the section's colour.
    skinpaint::TColor GrayTint = 0;
};

// One frame of glyph (NumGlyphs frames side by side) with its top-left
// corner at `at` of picture. A disabled button's 32-bit glyph in which no
// pixel is opaque becomes a 24-bit glyph for good.
void PaintButtonGlyph(gfx::TBitmap& picture, gfx::TPoint at, gfx::TBitmap& glyph, const TsGlyphLook& look);

}  // namespace controls
