#include "skinpaint/sDisabledLook.h"

#include "skinpaint/sBlendOps.h"
#include "skinpaint/sColorOps.h"

namespace skinpaint {

void PaintDisabledLook(gfx::TBitmap& bitmap, unsigned flags, TColor parentColor, gfx::TPoint offset,
                       const ParentBackground& background) {
    if (flags & dkGrayed) GrayScale(bitmap);
    if (!(flags & dkBlended)) return;
    if (background.Ready && background.Bitmap) {
        const int x = background.X + offset.X, y = background.Y + offset.Y;
        BlendKeyedImage(bitmap, {0, 0}, *background.Bitmap, {x, y, x + bitmap.Width() - 1, y + bitmap.Height() - 1},
                        KEY_COLOR, 0.4);
    } else {
        FadeRectToColor(bitmap, {0, 0, bitmap.Width(), bitmap.Height()}, 50,
                        background.FillColor != KEY_COLOR ? background.FillColor : parentColor);
    }
}

}  // namespace skinpaint
