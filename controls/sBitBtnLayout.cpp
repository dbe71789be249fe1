#include "controls/sBitBtnLayout.h"

#include <algorithm>

namespace controls {

TsBitBtnPlaces PlaceGlyphAndCaption(const TsBitBtnLayout& in) {
    const int w = in.Client.Width(), h = in.Client.Height();
    const int gw = in.GlyphWidth, gh = in.GlyphHeight;
    int tw = in.TextWidth;
    const int th = in.TextHeight;
    TButtonLayout layout = in.Layout;
    if (in.RightToLeft && layout == blGlyphLeft)
        layout = blGlyphRight;
    else if (in.RightToLeft && layout == blGlyphRight)
        layout = blGlyphLeft;
    const bool across = layout == blGlyphLeft || layout == blGlyphRight;

    int gx = 0, gy = 0, cx = 0, cy = 0;
    if (across) {
        gy = (h - gh + 1) / 2;
        cy = (h - th + 1) / 2;
    } else {
        gx = (w - gw + 1) / 2;
        cx = (w - tw + 1) / 2;
    }
    // The free room along the block's axis, less the glyph and the caption.
    const int room = across ? w - gw - tw : h - gh - th;
    int sp = tw == 0 || gw == 0 ? 0 : in.Spacing;
    int m;
    if (in.Margin == -1 && sp == -1) {
        m = sp = room / 3;
    } else if (in.Margin == -1) {
        m = in.Alignment == vcl::taCenter ? (room - sp + 1) / 2 : 2;
    } else {
        m = in.Margin;
        if (sp == -1) sp = (room - m) / 2;
    }

    switch (layout) {
        case blGlyphLeft:
            if (in.Alignment == vcl::taLeftJustify) {
                gx = m;
                cx = m + gw + sp;
                tw = std::min(tw, in.Client.Right - m - cx);
            } else if (in.Alignment == vcl::taCenter) {
                gx = std::max((w - tw - sp - gw) / 2, m);
                cx = gx + gw + sp;
            } else {
                cx = w - m - tw;
                gx = cx - sp - gw;
            }
            break;
        case blGlyphRight:
            if (in.Alignment == vcl::taLeftJustify) {
                cx = m;
            } else if (in.Alignment == vcl::taCenter) {
                cx = (w - tw - sp - gw) / 2;
            } else {
                cx = w - m - gw - sp - tw;
            }
            gx = cx + tw + sp;
            break;
        case blGlyphTop:
            gy = (h - gh - sp - th) / 2;
            cy = gy + gh + sp;
            break;
        case blGlyphBottom:
            gy = h - gh - (h - gh - sp - th) / 2;
            cy = gy - sp - th;
            break;
    }
    const int ox = in.Client.Left, oy = in.Client.Top;
    return {{gx + ox, gy + oy}, {cx + ox, cy + oy, cx + ox + tw, cy + oy + th}};
}

}  // namespace controls
