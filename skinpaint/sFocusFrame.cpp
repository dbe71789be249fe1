#include "skinpaint/sFocusFrame.h"

#include "gfx/Colors.h"

namespace skinpaint {

void DrawSkinFocusFrame(gfx::TCanvas& canvas, const gfx::TRect& rect) {
    if (rect.Width() < 2 || rect.Height() < 2) return;
    const gfx::TColor face = gfx::ColorToRGB(gfx::clBtnFace), black = 0;
    const int right = rect.Right - 1, bottom = rect.Bottom - 1;
    for (int i = 2; i < rect.Width(); i += 3)
        for (const int y : {rect.Top, bottom}) {
            canvas.SetPixels(rect.Left + i - 1, y, face);
            canvas.SetPixels(rect.Left + i, y, black);
        }
    for (int i = 2; i < rect.Height(); i += 3)
        for (const int x : {rect.Left, right}) {
            canvas.SetPixels(x, rect.Top + i - 1, face);
            canvas.SetPixels(x, rect.Top + i, black);
        }
}

}  // namespace skinpaint
