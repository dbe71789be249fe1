#include <algorithm>

#include "gfx/PixelAccess.h"
#include "gfx/TCanvas.h"
#include "ui/Paint.h"

namespace ui {

namespace {

gfx::TBitmap MakeDefaultIcon() {
    // A small window: dark outline, a blue title bar, a white body.
    gfx::TBitmap icon(16, 16);
    for (int y = 1; y < 15; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool edge = x == 0 || x == 15 || y == 1 || y == 14;
            const gfx::TColor c = edge ? gfx::RGB(0, 0, 0) : y <= 4 ? gfx::RGB(10, 36, 106) : gfx::RGB(255, 255, 255);
            gfx::StorePixel(icon, x, y, gfx::ColorToBgra(c));
        }
    return icon;
}

}  // namespace

HICON DefaultApplicationIcon() {
    static const gfx::TBitmap icon = MakeDefaultIcon();
    return &icon;
}

bool DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height) {
    if (!dc || !icon || icon->Empty()) return false;
    if (width <= 0) width = icon->Width();
    if (height <= 0) height = icon->Height();
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) {
            const gfx::TBgra s = gfx::LoadPixel(*icon, i * icon->Width() / width, j * icon->Height() / height);
            if (s.A == 0) continue;
            gfx::TColor c = gfx::RGB(s.R, s.G, s.B);
            if (s.A < 255) {
                const gfx::TColor d = dc->Pixels(x + i, y + j);
                if (d == gfx::CLR_INVALID) continue;
                auto mix = [&](int a, int b) { return (a * s.A + b * (255 - s.A) + 127) / 255; };
                c = gfx::RGB(mix(s.R, gfx::GetRValue(d)), mix(s.G, gfx::GetGValue(d)), mix(s.B, gfx::GetBValue(d)));
            }
            dc->SetPixels(x + i, y + j, c);
        }
    return true;
}

}  // namespace ui
