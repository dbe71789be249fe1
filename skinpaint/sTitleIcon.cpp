#include "skinpaint/sTitleIcon.h"

#include "skinpaint/sBlendOps.h"
#include "skinpaint/sColorOps.h"
#include "ui/Paint.h"

namespace skinpaint {

gfx::TRect TitleIconRect(const TFormGeometry& geometry, const skin::TsSkinData& info, int width, int height) {
    if (width <= 0 || height <= 0) {
        const int h = geometry.Caption;
        width = height = h < 9 ? 1 : h <= 16 ? 8 : 16;
    }
    const int b = geometry.Border, t0 = b / 2 - 1;
    const int top = t0 + (geometry.TitleHeight() - t0 - height) / 2;
    const int left = b + info.BiLeft;
    return {left, top, left + width, top + height};
}

void DrawTitleIcon(gfx::TBitmap& picture, const gfx::TRect& rect, const gfx::TBitmap& glyph, ui::HICON icon) {
    if (!glyph.Empty()) {
        gfx::TBitmap opaque(glyph.Width(), glyph.Height());
        opaque.Canvas().Draw(0, 0, glyph);
        SetRectAlpha(opaque, {0, 0, opaque.Width(), opaque.Height()}, 255, true);
        CopyAlphaImage(picture, rect, opaque, {0, 0, opaque.Width(), opaque.Height()}, false, EmptyBackground);
        return;
    }
    if (!icon) return;
    ui::DrawIconEx(&picture.Canvas(), rect.Left, rect.Top, icon, rect.Width(), rect.Height());
    // The window picture is opaque: what the icon blended in stays so.
    SetRectAlpha(picture, rect, 255, false);
}

}  // namespace skinpaint
