#include "ui/Layered.h"

#include "gfx/TCanvas.h"
#include "ui/PaintInternal.h"
#include "ui/Styles.h"
#include "ui/Tree.h"
#include "ui/WindowPos.h"

namespace ui {

namespace {

TWindow* LayeredTopLevel(HWND hwnd) {
    TWindow* w = Win(hwnd);
    return w && w->TopLevel() && (w->ExStyle & WS_EX_LAYERED) ? w : nullptr;
}

}  // namespace

bool LayeredWindowsAvailable() { return OnMainThread() && Sys().Backend().LayeredWindowsAvailable(); }

bool UpdateLayeredWindow(HWND hwnd, HDC, const TPoint* pos, const TSize* size, HDC source, const TPoint* sourcePos,
                         gfx::TColor key, const TBlendFunction* blend, DWORD flags) {
    TWindow* w = LayeredTopLevel(hwnd);
    if (!w || w->Layered == TLayeredMode::Attributes) return false;
    const TRect r = w->Rect;
    const TPoint to = pos ? *pos : TPoint{r.Left, r.Top};
    const TSize extent = size ? *size : TSize{r.Width(), r.Height()};
    if (extent.cx <= 0 || extent.cy <= 0 || (!source && (extent.cx != r.Width() || extent.cy != r.Height())))
        return false;
    if (to.X != r.Left || to.Y != r.Top || extent.cx != r.Width() || extent.cy != r.Height()) {
        SetWindowPos(hwnd, nullptr, to.X, to.Y, extent.cx, extent.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        if (!(w = LayeredTopLevel(hwnd))) return false;
    }
    FitSurface(*w);
    if (source) {
        const TPoint from = sourcePos ? *sourcePos : TPoint{};
        gfx::TCanvas target(*w->Surface);
        target.BitBlt(0, 0, extent.cx, extent.cy, *source, from.X, from.Y);
    }
    w->Layered = TLayeredMode::Picture;
    w->LayeredFlags = flags;
    w->LayeredKey = key;
    w->PerPixelAlpha = (flags & ULW_ALPHA) && blend && (blend->AlphaFormat & AC_SRC_ALPHA);
    w->LayeredAlpha = (flags & ULW_ALPHA) && blend ? blend->SourceConstantAlpha : 255;
    w->UpdateRgn = gfx::TRegion();
    Sys().Backend().Changed(*w, wcLayered);
    return true;
}

bool SetLayeredWindowAttributes(HWND hwnd, gfx::TColor key, BYTE alpha, DWORD flags) {
    TWindow* w = LayeredTopLevel(hwnd);
    if (!w) return false;
    const bool wasPicture = w->Layered == TLayeredMode::Picture;
    w->Layered = TLayeredMode::Attributes;
    w->LayeredKey = key;
    w->LayeredAlpha = alpha;
    w->LayeredFlags = flags & (LWA_ALPHA | LWA_COLORKEY);
    w->PerPixelAlpha = false;
    if (wasPicture) InvalidateWhole(*w);
    Sys().Backend().Changed(*w, wcLayered);
    return true;
}

bool GetLayeredWindowAttributes(HWND hwnd, gfx::TColor* key, BYTE* alpha, DWORD* flags) {
    const TWindow* w = LayeredTopLevel(hwnd);
    if (!w || w->Layered != TLayeredMode::Attributes) return false;
    if (key) *key = w->LayeredKey;
    if (alpha) *alpha = w->LayeredAlpha;
    if (flags) *flags = w->LayeredFlags;
    return true;
}

}  // namespace ui
