#include "vcl/DrawHelpers.h"

#include <algorithm>

namespace vcl {

void Frame3D(gfx::TCanvas& canvas, gfx::TRect& rect, gfx::TColor topLeft, gfx::TColor bottomRight, int width) {
    for (int i = 0; i < width && rect.Width() > 1 && rect.Height() > 1; ++i) {
        canvas.Brush = {topLeft, gfx::bsSolid};
        canvas.FillRect({rect.Left, rect.Top, rect.Right - 1, rect.Top + 1});
        canvas.FillRect({rect.Left, rect.Top, rect.Left + 1, rect.Bottom - 1});
        canvas.Brush.Color = bottomRight;
        canvas.FillRect({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom});
        canvas.FillRect({rect.Right - 1, rect.Top, rect.Right, rect.Bottom});
        rect = {rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
    }
}

void DrawFocusRect(gfx::TCanvas& canvas, const gfx::TRect& r) {
    const gfx::TColor color = canvas.Font.Color;
    for (int x = r.Left; x < r.Right; x += 2) {
        canvas.SetPixels(x, r.Top, color);
        canvas.SetPixels(x, r.Bottom - 1, color);
    }
    for (int y = r.Top; y < r.Bottom; y += 2) {
        canvas.SetPixels(r.Left, y, color);
        canvas.SetPixels(r.Right - 1, y, color);
    }
}

void DrawDisabledText(gfx::TCanvas& canvas, std::string_view text, gfx::TRect rect, unsigned format) {
    const gfx::TColor saved = canvas.Font.Color;
    gfx::TRect shifted = gfx::OffsetRect(rect, 1, 1);
    canvas.Font.Color = gfx::clBtnHighlight;
    canvas.DrawText(text, shifted, format);
    canvas.Font.Color = gfx::clBtnShadow;
    canvas.DrawText(text, rect, format);
    canvas.Font.Color = saved;
}

// The canvas can copy but not blend: the covered area is copied out,
// blended here and copied back.
void DrawAlphaBitmap(gfx::TCanvas& canvas, const gfx::TRect& dest, const gfx::TBitmap& bitmap) {
    if (dest.IsEmpty() || bitmap.Empty()) return;
    gfx::TBitmap picture(dest.Width(), dest.Height(), gfx::pf32bit);
    picture.Canvas().SetStretchBltMode(gfx::HALFTONE);
    // Reading through the canvas leaves the picture as it is.
    gfx::TCanvas& source = const_cast<gfx::TBitmap&>(bitmap).Canvas();
    picture.Canvas().StretchBlt(0, 0, dest.Width(), dest.Height(), source, 0, 0, bitmap.Width(), bitmap.Height());
    gfx::TBitmap back(dest.Width(), dest.Height(), gfx::pf32bit);
    back.Canvas().BitBlt(0, 0, dest.Width(), dest.Height(), canvas, dest.Left, dest.Top);
    for (int y = 0; y < dest.Height(); ++y) {
        const uint8_t* s = picture.ScanLine(y);
        uint8_t* d = back.ScanLine(y);
        for (int x = 0; x < dest.Width(); ++x, s += 4, d += 4) {
            const int a = s[3];
            for (int c = 0; c < 3; ++c) d[c] = uint8_t((s[c] * a + d[c] * (255 - a) + 127) / 255);
            d[3] = uint8_t(std::max<int>(d[3], a));
        }
    }
    canvas.BitBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), back.Canvas(), 0, 0);
}

}  // namespace vcl
