#include "gfx/TCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "gfx/CanvasClip.h"
#include "gfx/PixelAccess.h"

namespace gfx {

namespace {
// Everything a device can address, for clip operations without a region yet.
const TRect Everything{-(1 << 28), -(1 << 28), 1 << 28, 1 << 28};
}  // namespace

TCanvas::TCanvas(TBitmap& bitmap) : FBitmap(&bitmap) {}

void TCanvas::SetDeviceOrigin(TPoint origin) {
    FDeviceOrigin = origin;
    ClipChanged();
}

void TCanvas::SetDeviceClip(const TRegion* region) {
    FDeviceClip = region ? std::optional<TRegion>(*region) : std::nullopt;
    ClipChanged();
}

TPoint TCanvas::SetViewportOrg(int x, int y) {
    const TPoint old = FState.ViewportOrg;
    FState.ViewportOrg = {x, y};
    return old;
}

int TCanvas::SelectClipRgn(const TRegion* region) {
    FState.Clip = region ? std::optional<TRegion>(*region) : std::nullopt;
    ClipChanged();
    return FState.Clip ? FState.Clip->Kind() : SIMPLEREGION;
}

int TCanvas::IntersectClipRect(const TRect& rect) {
    const TRegion r(OffsetRect(rect, FState.ViewportOrg.X, FState.ViewportOrg.Y));
    if (FState.Clip) FState.Clip->Combine(*FState.Clip, r, RGN_AND);
    else FState.Clip = r;
    ClipChanged();
    return FState.Clip->Kind();
}

int TCanvas::ExcludeClipRect(const TRect& rect) {
    if (!FState.Clip) FState.Clip = TRegion(Everything);
    FState.Clip->Combine(*FState.Clip, TRegion(OffsetRect(rect, FState.ViewportOrg.X, FState.ViewportOrg.Y)),
                         RGN_DIFF);
    ClipChanged();
    return FState.Clip->Kind();
}

const TRegion& TCanvas::Clip() const {
    const TSize size{FBitmap->Width(), FBitmap->Height()};
    if (FClipValid && size == FClipBitmapSize) return FClip;
    FClip = TRegion(TRect{0, 0, size.cx, size.cy});
    for (const auto* clip : {&FDeviceClip, &FState.Clip}) {
        if (!*clip) continue;
        TRegion r = **clip;
        r.Offset(FDeviceOrigin.X, FDeviceOrigin.Y);
        FClip.Combine(FClip, r, RGN_AND);
    }
    FClipValid = true;
    FClipBitmapSize = size;
    return FClip;
}

TRect TCanvas::ClipRect() const {
    const TRect box = Clip().Bounds();
    return box.IsEmpty() ? TRect{} : OffsetRect(box, -OffsetX(), -OffsetY());
}

int TCanvas::SaveDC() {
    FSaved.push_back({FState, Pen, Brush, Font});
    return int(FSaved.size());
}

bool TCanvas::RestoreDC(int savedDC) {
    const int level = savedDC < 0 ? int(FSaved.size()) + 1 + savedDC : savedDC;
    if (level < 1 || level > int(FSaved.size())) return false;
    TSavedState& saved = FSaved[size_t(level - 1)];
    FState = std::move(saved.State);
    Pen = saved.Pen;
    Brush = saved.Brush;
    Font = std::move(saved.Font);
    FSaved.resize(size_t(level - 1));
    ClipChanged();
    return true;
}

int TCanvas::SetStretchBltMode(int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
    return std::exchange(FState.StretchMode, mode);
}

void TCanvas::FillBitmapRect(const TRect& area, TColor color) {
    const TBgra c = ColorToBgra(color);
    ForEachClipRect(area, [&](const TRect& r) {
        WithFormat(FBitmap->PixelFormat(), [&]<TPixelFormat F>() {
            for (int y = r.Top; y < r.Bottom; ++y) {
                uint8_t* p = FBitmap->ScanLine(y) + r.Left * TPixel<F>::Size;
                if constexpr (F == pf32bit) {
                    std::fill_n(reinterpret_cast<uint32_t*>(p), r.Width(), PackBgra(c));
                } else {
                    for (int x = r.Left; x < r.Right; ++x, p += TPixel<F>::Size) TPixel<F>::Store(p, c);
                }
            }
        });
    });
}

void TCanvas::FillRect(const TRect& rect) {
    if (Brush.Style == bsClear) return;
    FillBitmapRect(OffsetRect(rect, OffsetX(), OffsetY()), Brush.Color);
}

void TCanvas::FrameRect(const TRect& rect) {
    if (rect.IsEmpty() || Brush.Style == bsClear) return;
    const auto [l, t, r, b] = OffsetRect(rect, OffsetX(), OffsetY());
    for (const TRect& side : {TRect{l, t, r, t + 1}, TRect{l, b - 1, r, b}, TRect{l, t + 1, l + 1, b - 1},
                              TRect{r - 1, t + 1, r, b - 1}})
        if (!side.IsEmpty()) FillBitmapRect(side, Brush.Color);
}

void TCanvas::MoveTo(int x, int y) { FState.PenPos = {x, y}; }

void TCanvas::LineTo(int x, int y) {
    const TPoint from = FState.PenPos;
    FState.PenPos = {x, y};
    if (Pen.Style == psClear) return;
    const TBgra c = ColorToBgra(Pen.Color);
    const TRegion& clip = Clip();
    int px = from.X + OffsetX(), py = from.Y + OffsetY();
    const int ex = x + OffsetX(), ey = y + OffsetY();
    const int dx = std::abs(ex - px), dy = -std::abs(ey - py);
    const int stepX = px < ex ? 1 : -1, stepY = py < ey ? 1 : -1;
    int error = dx + dy;
    while (px != ex || py != ey) {
        if (clip.Contains(px, py)) StorePixel(*FBitmap, px, py, c);
        const int e2 = 2 * error;
        if (e2 >= dy) error += dy, px += stepX;
        if (e2 <= dx) error += dx, py += stepY;
    }
}

TColor TCanvas::Pixels(int x, int y) const {
    x += OffsetX();
    y += OffsetY();
    if (!Clip().Contains(x, y)) return CLR_INVALID;
    return BgraToColor(LoadPixel(*FBitmap, x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    x += OffsetX();
    y += OffsetY();
    if (Clip().Contains(x, y)) StorePixel(*FBitmap, x, y, ColorToBgra(color));
}

}  // namespace gfx
