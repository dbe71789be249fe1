#include "skinpaint/sColorOps.h"

#include <algorithm>
#include <cstring>

#include "gfx/PixelAccess.h"
#include "skinpaint/sPixelMath.h"

namespace skinpaint {

namespace {

gfx::TRect Clipped(const gfx::TBitmap& bitmap, const gfx::TRect& rect) {
    return gfx::IntersectRect(rect, {0, 0, bitmap.Width(), bitmap.Height()});
}

template <typename F>
void ForEachPixel(gfx::TBitmap& bitmap, const gfx::TRect& area, F&& f) {
    for (int y = area.Top; y < area.Bottom; ++y) {
        uint8_t* p = gfx::PixelAt32(bitmap, area.Left, y);
        for (int x = area.Left; x < area.Right; ++x, p += 4) f(p);
    }
}

void Grey(gfx::TBitmap& bitmap, bool keyed, uint32_t key) {
    if (!Is32(bitmap)) return;
    ForEachPixel(bitmap, {0, 0, bitmap.Width(), bitmap.Height()}, [&](uint8_t* p) {
        if (keyed && (gfx::LoadPixel32(p) & 0xFFFFFF) == key) return;
        p[0] = p[1] = p[2] = gfx::AverageGrey(p[2], p[1], p[0]);
    });
}

}  // namespace

TColor MixColors(TColor a, TColor b, double t) {
    auto mix = [t](int x, int y) { return Nearest(t * x + (1 - t) * y) & 0xFF; };
    return (a & TColor(0xFF000000)) |
           gfx::RGB(mix(gfx::GetRValue(a), gfx::GetRValue(b)), mix(gfx::GetGValue(a), gfx::GetGValue(b)),
                    mix(gfx::GetBValue(a), gfx::GetBValue(b)));
}

void FadeRectToColor(gfx::TBitmap& bitmap, const gfx::TRect& rect, int p, TColor color) {
    if (!Is32(bitmap)) return;
    const gfx::TRect area{std::max(rect.Left, 0), std::max(rect.Top, 0), std::min(rect.Right, bitmap.Width() - 1) + 1,
                          std::min(rect.Bottom, bitmap.Height() - 1) + 1};
    if (area.IsEmpty()) return;
    p = std::clamp(p, 0, 100);
    const gfx::TBgra c = gfx::ColorToBgra(color);
    const int k[3] = {c.B, c.G, c.R};
    // The share of the colour per channel is the same for every pixel.
    const int rest[3] = {(100 - p) * k[0], (100 - p) * k[1], (100 - p) * k[2]};
    ForEachPixel(bitmap, area, [&](uint8_t* q) {
        for (int i = 0; i < 3; ++i) q[i] = uint8_t(RoundDiv(p * q[i] + rest[i], 100));
    });
}

void FillRect32(gfx::TBitmap& bitmap, const gfx::TRect& rect, TColor color) {
    if (!Is32(bitmap)) return;
    const gfx::TRect area = Clipped(bitmap, rect);
    if (area.IsEmpty()) return;
    const uint32_t c = gfx::ColorToPixel32(color, 255);
    uint8_t* first = gfx::PixelAt32(bitmap, area.Left, area.Top);
    for (int x = 0; x < area.Width(); ++x) gfx::StorePixel32(first + x * 4, c);
    for (int y = area.Top + 1; y < area.Bottom; ++y)
        std::memcpy(gfx::PixelAt32(bitmap, area.Left, y), first, size_t(area.Width()) * 4);
}

void SetRectAlpha(gfx::TBitmap& bitmap, const gfx::TRect& rect, uint8_t alpha, bool skipKey) {
    if (!Is32(bitmap)) return;
    ForEachPixel(bitmap, Clipped(bitmap, rect), [&](uint8_t* p) {
        if (!(skipKey && gfx::LoadPixel32(p) == KeyPixel)) p[3] = alpha;
    });
}

void GrayScale(gfx::TBitmap& bitmap) { Grey(bitmap, false, 0); }

void GrayScaleKeyed(gfx::TBitmap& bitmap, TColor key) { Grey(bitmap, true, gfx::ColorToPixel32(key, 0)); }

}  // namespace skinpaint
