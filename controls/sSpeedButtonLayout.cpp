#include "controls/sSpeedButtonLayout.h"

#include <algorithm>

namespace controls {

namespace {

// The margin as the rectangles use it: none below 0, else three more.
int M(const TsButtonLayout& b) { return b.Margin < 0 ? 0 : b.Margin + 3; }

bool Horizontal(const TsButtonLayout& b) { return b.Layout == blGlyphLeft || b.Layout == blGlyphRight; }

// The gap between glyph and caption for the caption: along the layout's axis
// a glyph of at least a pixel and a caption.
int CaptionSpacing(const TsButtonLayout& b) {
    const int along = Horizontal(b) ? b.GlyphWidth : b.GlyphHeight;
    return along >= 1 && b.HasCaption ? b.Spacing : 0;
}

// The same for the glyph: the glyph's width for every layout, and only for a
// caption that is shown.
int GlyphSpacing(const TsButtonLayout& b) {
    return b.GlyphWidth >= 1 && b.HasCaption && b.ShowCaption ? b.Spacing : 0;
}

// Half of the free width and height around the block, less the margin.
int D(const TsButtonLayout& b, int sp) { return (b.Width - b.Arrow - b.GlyphWidth - sp - b.TextWidth) / 2 - M(b); }
int V(const TsButtonLayout& b, int sp) { return (b.Height - b.GlyphHeight - sp - b.TextHeight) / 2 - M(b); }

gfx::TRect RawCaptionBounds(const TsButtonLayout& b) {
    const int m = M(b), sp = CaptionSpacing(b), d = D(b, sp), v = V(b, sp);
    const int W = b.Width, H = b.Height, gw = b.GlyphWidth, gh = b.GlyphHeight, tw = b.TextWidth;
    const int beside = gw > 0 ? b.Spacing : 0;
    gfx::TRect r;
    r.Top = (H - b.TextHeight) / 2;
    r.Bottom = H - r.Top;
    switch (b.Layout) {
    case blGlyphLeft:
        switch (b.Alignment) {
        case vcl::taLeftJustify: r.Left = gw + b.Margin + beside, r.Right = W - b.Arrow - m - 2 * d; break;
        case vcl::taRightJustify: r.Left = m + 2 * d + gw + beside, r.Right = W - b.Arrow - m; break;
        case vcl::taCenter: r.Left = m + d + gw + beside, r.Right = W - b.Arrow - m - d; break;
        }
        break;
    case blGlyphRight: {
        const int shift = b.Alignment == vcl::taLeftJustify ? 0 : b.Alignment == vcl::taRightJustify ? 2 * d : d;
        r.Left = m + shift, r.Right = m + shift + tw;
        break;
    }
    case blGlyphTop:
    case blGlyphBottom:
        r.Left = (W - tw - b.Arrow) / 2;
        r.Right = W - r.Left - b.Arrow;
        if (b.Layout == blGlyphTop) r.Top = gh + m + v + sp, r.Bottom = H - v - m;
        else r.Top = m + v, r.Bottom = H - v - m - gh - sp;
        break;
    }
    // A little room on both sides, so that italic and glowing text is not cut.
    return {r.Left + b.TextOffset - 1, r.Top, r.Right + b.TextOffset + 2, r.Bottom};
}

}  // namespace

int CaptionWidthLimit(const TsButtonLayout& b) {
    if (!b.ShowCaption || !b.HasCaption) return 0;
    int limit = b.Width - 2 * b.Margin - b.Arrow;
    if (b.GlyphWidth > 0 && Horizontal(b)) limit -= b.GlyphWidth + b.Spacing;
    // A button narrower than its glyph measures its caption as one too narrow
    // for any text, not in a negative width.
    return std::max(limit, 0);
}

gfx::TRect CaptionBounds(const TsButtonLayout& b) {
    const gfx::TRect r = RawCaptionBounds(b);
    return b.Pressed ? gfx::OffsetRect(r, 1, 1) : r;
}

gfx::TRect GlyphBounds(const TsButtonLayout& b) {
    const int m = M(b), sp = GlyphSpacing(b), d = D(b, sp), v = V(b, sp);
    const int W = b.Width, H = b.Height, gw = b.GlyphWidth, gh = b.GlyphHeight;
    int x = 0, y = (H - gh) / 2;
    switch (b.Layout) {
    case blGlyphLeft:
        x = b.Alignment == vcl::taLeftJustify ? m : b.Alignment == vcl::taRightJustify ? m + 2 * d : m + d;
        break;
    case blGlyphRight:
        if (b.Alignment == vcl::taLeftJustify) x = RawCaptionBounds(b).Right + b.Spacing;
        else if (b.Alignment == vcl::taRightJustify) x = W - b.Arrow - gw - m;
        else x = (W + sp + b.TextWidth - b.Arrow - gw) / 2;
        break;
    case blGlyphTop:
    case blGlyphBottom:
        x = (W - b.Arrow - gw) / 2 + 1;
        y = b.Layout == blGlyphTop ? v + m : H - m - v - gh;
        break;
    }
    if (b.Pressed) ++x, ++y;
    if (b.Raised) y -= gh / 6;
    return gfx::Bounds(x, y, gw, gh);
}

}  // namespace controls
