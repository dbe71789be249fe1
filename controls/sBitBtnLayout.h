#pragma once
// Where a push button puts its glyph and its caption: the glyph-and-caption
// block follows from the client rectangle, the glyph's and the caption's
// sizes, the Layout, Alignment, Margin and Spacing (-1 for both meaning
// automatic).
#include "controls/sSpeedButtonLayout.h"
#include "gfx/Geometry.h"
#include "vcl/ControlTypes.h"

namespace controls {

struct TsBitBtnLayout {
    gfx::TRect Client;
    // One glyph frame; 0 x 0 without a glyph.
    int GlyphWidth = 0;
    int GlyphHeight = 0;
    // The caption as measured; 0 x 0 when it is not shown.
    int TextWidth = 0;
    int TextHeight = 0;
    int Margin = -1;
    int Spacing = 4;
    TButtonLayout Layout = blGlyphLeft;
    vcl::TAlignment Alignment = vcl::taCenter;
    // Right-to-left reading swaps the left and right layouts.
    bool RightToLeft = false;
};

struct TsBitBtnPlaces {
    gfx::TPoint GlyphOrigin;
    gfx::TRect CaptionBounds;
};

TsBitBtnPlaces PlaceGlyphAndCaption(const TsBitBtnLayout& layout);

}  // namespace controls
