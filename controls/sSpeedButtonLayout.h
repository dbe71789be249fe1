#pragma once
// Where a speed button puts its caption and its glyph: the two rectangles
// follow from the button's size, the glyph's and the caption's sizes, the
// Layout, Alignment, Margin and Spacing, and shift by a pixel while pressed.
#include "gfx/Geometry.h"
#include "vcl/ControlTypes.h"

namespace controls {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TsButtonLayout {
    int Width = 0;
    int Height = 0;
    // The drop-down arrow part at the right edge (16 or 0).
    int Arrow = 0;
    TButtonLayout Layout = blGlyphLeft;
    vcl::TAlignment Alignment = vcl::taCenter;
    int Margin = -1;
    int Spacing = 4;
    // One glyph frame; 0 x 0 without a glyph.
    int GlyphWidth = 0;
    int GlyphHeight = 0;
    // The caption as measured (word-wrapped in CaptionWidthLimit).
    int TextWidth = 0;
    int TextHeight = 0;
    bool HasCaption = false;  // the caption is not empty
    bool ShowCaption = true;
    int TextOffset = 0;
    bool Pressed = false;  // painted in state 2
    // The glyph is raised by a sixth of its height (Reflected).
    bool Raised = false;
};

// The width the caption is measured in (0 when it is not shown or empty).
int CaptionWidthLimit(const TsButtonLayout& layout);
gfx::TRect CaptionBounds(const TsButtonLayout& layout);
// The glyph frame's rectangle (GlyphWidth x GlyphHeight).
gfx::TRect GlyphBounds(const TsButtonLayout& layout);

}  // namespace controls
