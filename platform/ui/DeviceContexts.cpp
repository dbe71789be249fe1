// Device contexts: canvases over a top-level window's surface, placed at the
// window's part of it and clipped to what of the window is visible.
#include <algorithm>
#include <memory>
#include <vector>

#include "gfx/TCanvas.h"
#include "ui/Paint.h"
#include "ui/PaintInternal.h"
#include "ui/Styles.h"
#include "ui/Tree.h"

namespace ui {

namespace {

struct TDeviceContext {
    HWND Hwnd = nullptr;
    HWND TopLevel = nullptr;
    std::shared_ptr<gfx::TBitmap> Surface;
    std::unique_ptr<gfx::TCanvas> Canvas;
    TPoint Origin;  // of the DC's coordinates in the surface
};

std::vector<std::unique_ptr<TDeviceContext>> gContexts;

// The area a window covers of its parent's surface (surface coordinates).
gfx::TRegion CoveredArea(const TWindow& w) {
    const TPoint o = SurfaceOrigin(w);
    gfx::TRegion area(gfx::Bounds(o.X, o.Y, w.Rect.Width(), w.Rect.Height()));
    if (w.WindowRgn) {
        gfx::TRegion shape = *w.WindowRgn;
        shape.Offset(o.X, o.Y);
        area.Combine(area, shape, gfx::RGN_AND);
    }
    return area;
}

HDC MakeDC(TWindow& w, bool client, const gfx::TRegion* intersect, const gfx::TRegion* exclude) {
    TWindow& top = TopLevelOf(w);
    FitSurface(top);
    auto dc = std::make_unique<TDeviceContext>();
    dc->Hwnd = w.Handle;
    dc->TopLevel = top.Handle;
    dc->Surface = top.Surface;
    dc->Canvas = std::make_unique<gfx::TCanvas>(*dc->Surface);
    TPoint origin = SurfaceOrigin(w);
    if (client) origin.X += w.Client.Left, origin.Y += w.Client.Top;
    gfx::TRegion clip = VisibleRegion(w, client);
    if (intersect) clip.Combine(clip, *intersect, gfx::RGN_AND);
    if (exclude) clip.Combine(clip, *exclude, gfx::RGN_DIFF);
    dc->Origin = origin;
    dc->Canvas->SetDeviceOrigin(origin);
    dc->Canvas->SetDeviceClip(&clip);
    const HDC result = dc->Canvas.get();
    gContexts.push_back(std::move(dc));
    return result;
}

// A DC that belongs to no window: drawing on it changes nothing visible.
HDC ScreenDC() {
    auto dc = std::make_unique<TDeviceContext>();
    dc->Surface = std::make_shared<gfx::TBitmap>(1, 1);
    dc->Canvas = std::make_unique<gfx::TCanvas>(*dc->Surface);
    const HDC result = dc->Canvas.get();
    gContexts.push_back(std::move(dc));
    return result;
}

}  // namespace

gfx::TRegion VisibleRegion(const TWindow& w, bool client) {
    if (!VisibleChain(w) || RedrawSuppressed(w)) return {};
    const TPoint o = SurfaceOrigin(w);
    const TRect own = client ? gfx::OffsetRect(w.Client, o.X, o.Y) : gfx::Bounds(o.X, o.Y, w.Rect.Width(), w.Rect.Height());
    gfx::TRegion r(own);
    if (!w.TopLevel() && w.WindowRgn) r.Combine(r, CoveredArea(w), gfx::RGN_AND);
    for (const TWindow* cur = &w; cur->Parent;) {
        const TWindow& parent = *Sys().Find(cur->Parent);
        const TPoint po = SurfaceOrigin(parent);
        r.Combine(r, gfx::TRegion(gfx::OffsetRect(parent.Client, po.X, po.Y)), gfx::RGN_AND);
        if (!parent.TopLevel() && parent.WindowRgn) r.Combine(r, CoveredArea(parent), gfx::RGN_AND);
        for (HWND h : parent.Children) {
            if (h == cur->Handle) break;
            const TWindow* s = Sys().Find(h);
            if (s && (s->Style & WS_VISIBLE)) r.Combine(r, CoveredArea(*s), gfx::RGN_DIFF);
        }
        cur = &parent;
    }
    for (HWND h : w.Children) {
        const TWindow* c = Sys().Find(h);
        if (c && (c->Style & WS_VISIBLE)) r.Combine(r, CoveredArea(*c), gfx::RGN_DIFF);
    }
    r.Offset(-own.Left, -own.Top);
    return r;
}

HDC GetDC(HWND hwnd) {
    if (!OnMainThread()) return nullptr;
    if (!hwnd) return ScreenDC();
    TWindow* w = Win(hwnd);
    return w ? MakeDC(*w, true, nullptr, nullptr) : nullptr;
}

HDC GetWindowDC(HWND hwnd) {
    if (!OnMainThread()) return nullptr;
    if (!hwnd) return ScreenDC();
    TWindow* w = Win(hwnd);
    return w ? MakeDC(*w, false, nullptr, nullptr) : nullptr;
}

HDC GetDCEx(HWND hwnd, const gfx::TRegion* region, DWORD flags) {
    if (!OnMainThread()) return nullptr;
    if (!hwnd) return ScreenDC();
    TWindow* w = Win(hwnd);
    if (!w) return nullptr;
    const bool useRegion = region && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN));
    return MakeDC(*w, !(flags & DCX_WINDOW), useRegion && (flags & DCX_INTERSECTRGN) ? region : nullptr,
                  useRegion && (flags & DCX_EXCLUDERGN) ? region : nullptr);
}

HWND WindowFromDC(HDC dc) {
    const auto it = std::find_if(gContexts.begin(), gContexts.end(),
                                 [dc](const auto& c) { return c->Canvas.get() == dc; });
    return it == gContexts.end() ? nullptr : (*it)->Hwnd;
}

int ReleaseDC(HWND, HDC dc) {
    const auto it = std::find_if(gContexts.begin(), gContexts.end(),
                                 [dc](const auto& c) { return c->Canvas.get() == dc; });
    if (it == gContexts.end()) return 0;
    std::unique_ptr<TDeviceContext> context = std::move(*it);
    gContexts.erase(it);
    TWindow* top = Win(context->TopLevel);
    if (top && top->Surface == context->Surface) {
        // What the DC could draw on is what may have changed.
        const TRect logical = context->Canvas->ClipRect();
        const TPoint v = context->Canvas->ViewportOrg();
        if (!logical.IsEmpty())
            PresentSurface(*top, gfx::OffsetRect(logical, v.X + context->Origin.X, v.Y + context->Origin.Y));
    }
    return 1;
}

void ForgetDCs(HWND hwnd) {
    for (auto& c : gContexts)
        if (c->Hwnd == hwnd) c->Hwnd = nullptr;
}

int GetClipBox(HDC dc, TRect& rect) {
    if (!dc) return 0;
    rect = dc->ClipRect();
    return rect.IsEmpty() ? gfx::NULLREGION : gfx::SIMPLEREGION;
}

}  // namespace ui
