#include "ui/Paint.h"

#include <algorithm>

#include "gfx/TCanvas.h"
#include "ui/Dispatch.h"
#include "ui/Messages.h"
#include "ui/PaintInternal.h"
#include "ui/Styles.h"
#include "ui/Tree.h"

namespace ui {

namespace {

TRect WholeWindow(const TWindow& w) { return {0, 0, w.Rect.Width(), w.Rect.Height()}; }

bool NeedsPaint(const TWindow& w) { return !w.UpdateRgn.IsEmpty() || w.InternalPaint || w.FrameNeeded; }

void EraseNow(HWND hwnd) {
    TWindow* w = Win(hwnd);
    if (!w || !w->EraseNeeded) return;
    w->EraseNeeded = false;
    gfx::TRegion update = w->UpdateRgn;
    update.Offset(-w->Client.Left, -w->Client.Top);
    const HDC dc = GetDCEx(hwnd, &update, DCX_INTERSECTRGN);
    CallProc(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, true);
    ReleaseDC(hwnd, dc);
}

// Paints the window (or only its frame and background) now, and its
// descendants.
void PaintTreeNow(HWND hwnd, bool full, bool children) {
    TWindow* w = Win(hwnd);
    if (!w || !VisibleChain(*w) || RedrawSuppressed(*w)) return;
    if (w->Layered == TLayeredMode::Picture) {
        w->UpdateRgn = gfx::TRegion();
        w->InternalPaint = w->FrameNeeded = w->EraseNeeded = false;
    }
    if (full && NeedsPaintMessage(*w)) DeliverPaint(hwnd, true);
    else if (w->FrameNeeded) PaintFrameOnly(hwnd);
    if (!full) EraseNow(hwnd);
    if (!children || !(w = Win(hwnd))) return;
    const std::vector<HWND> kids = w->Children;
    for (HWND c : kids) PaintTreeNow(c, full, children);
}

TWindow* FindToPaint(TWindow& w, HWND filter, bool inFilter) {
    if (!(w.Style & WS_VISIBLE) || w.RedrawOff) return nullptr;
    inFilter = inFilter || w.Handle == filter;
    if (w.Layered == TLayeredMode::Picture) {
        w.UpdateRgn = gfx::TRegion();
        w.InternalPaint = w.FrameNeeded = w.EraseNeeded = false;
    } else if (inFilter && NeedsPaint(w)) {
        return &w;
    }
    for (HWND c : w.Children)
        if (TWindow* child = Sys().Find(c))
            if (TWindow* found = FindToPaint(*child, filter, inFilter)) return found;
    return nullptr;
}

}  // namespace

void FitSurface(TWindow& top) {
    const int width = std::clamp(top.Rect.Width(), 1, gfx::TBitmap::MaxBitmapSide);
    const int height = std::clamp(top.Rect.Height(), 1, int(gfx::TBitmap::MaxBitmapPixels / width));
    if (!top.Surface) top.Surface = std::make_shared<gfx::TBitmap>(width, height);
    else if (top.Surface->Width() != width || top.Surface->Height() != height) top.Surface->SetSize(width, height);
}

void PresentSurface(TWindow& top, const TRect& area) {
    if (!top.Surface || top.Layered == TLayeredMode::Picture || !VisibleChain(top)) return;
    const TRect r = gfx::IntersectRect(area, {0, 0, top.Surface->Width(), top.Surface->Height()});
    if (!r.IsEmpty()) Sys().Backend().Present(top, r);
}

void InvalidateArea(TWindow& w, const gfx::TRegion& area, UINT flags) {
    if (!VisibleChain(w)) return;
    gfx::TRegion whole(WholeWindow(w));
    gfx::TRegion inside;
    inside.Combine(area, whole, gfx::RGN_AND);
    gfx::TRegion clientPart;
    clientPart.Combine(inside, gfx::TRegion(w.Client), gfx::RGN_AND);
    if (flags & RDW_INVALIDATE) {
        w.UpdateRgn.Combine(w.UpdateRgn, clientPart, gfx::RGN_OR);
        if ((flags & RDW_FRAME) && !(clientPart == inside)) w.FrameNeeded = true;
        if ((flags & RDW_ERASE) && !clientPart.IsEmpty()) w.EraseNeeded = true;
    } else if (flags & RDW_VALIDATE) {
        w.UpdateRgn.Combine(w.UpdateRgn, inside, gfx::RGN_DIFF);
        if (flags & RDW_FRAME) w.FrameNeeded = false;
        if (w.UpdateRgn.IsEmpty()) w.EraseNeeded = false;
    }
    if (flags & RDW_INTERNALPAINT) w.InternalPaint = true;
    if (flags & RDW_NOINTERNALPAINT) w.InternalPaint = false;
    if (flags & RDW_NOERASE) w.EraseNeeded = false;
    if (!(flags & RDW_ALLCHILDREN) || (flags & RDW_NOCHILDREN)) return;
    const std::vector<HWND> children = w.Children;
    for (HWND h : children) {
        TWindow* c = Sys().Find(h);
        if (!c) continue;
        gfx::TRegion part = clientPart;
        part.Offset(-(w.Client.Left + c->Rect.Left), -(w.Client.Top + c->Rect.Top));
        part.Combine(part, gfx::TRegion(WholeWindow(*c)), gfx::RGN_AND);
        if (!part.IsEmpty()) InvalidateArea(*c, part, flags | RDW_FRAME);
    }
}

void InvalidateWhole(TWindow& w) {
    InvalidateArea(w, gfx::TRegion(WholeWindow(w)), RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void ExposeInParent(TWindow& child, const TRect& rect) {
    TWindow* parent = Sys().Find(child.Parent);
    if (!parent) return;
    const TRect area = gfx::OffsetRect(rect, parent->Client.Left, parent->Client.Top);
    InvalidateArea(*parent, gfx::TRegion(area), RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

TWindow* NextWindowToPaint(HWND filter) {
    for (HWND h : Sys().TopLevels)
        if (TWindow* top = Sys().Find(h))
            if (TWindow* found = FindToPaint(*top, filter, filter == nullptr)) return found;
    return nullptr;
}

bool NeedsPaintMessage(const TWindow& w) { return !w.UpdateRgn.IsEmpty() || w.InternalPaint; }

void PaintFrameOnly(HWND hwnd) {
    TWindow* w = Win(hwnd);
    if (!w) return;
    w->FrameNeeded = false;
    CallProc(hwnd, WM_NCPAINT, 1, 0, true);
}

void DeliverPaint(HWND hwnd, bool sent) {
    TWindow* w = Win(hwnd);
    if (!w) return;
    const unsigned before = w->PaintCount;
    CallProc(hwnd, WM_PAINT, 0, 0, sent);
    if ((w = Win(hwnd)) && w->PaintCount == before) {
        w->UpdateRgn = gfx::TRegion();
        w->InternalPaint = w->EraseNeeded = w->FrameNeeded = false;
    }
}

bool RedrawWindow(HWND hwnd, const TRect* rect, const gfx::TRegion* region, UINT flags) {
    if (!OnMainThread()) return false;
    if (!hwnd) {
        const std::vector<HWND> all = Sys().TopLevels;
        for (HWND h : all) RedrawWindow(h, rect, region, flags | RDW_ALLCHILDREN);
        return true;
    }
    TWindow* w = Win(hwnd);
    if (!w) return false;
    gfx::TRegion area;
    if (region) area = *region, area.Offset(w->Client.Left, w->Client.Top);
    else if (rect) area = gfx::TRegion(gfx::OffsetRect(*rect, w->Client.Left, w->Client.Top));
    else area = gfx::TRegion(flags & RDW_FRAME ? WholeWindow(*w) : w->Client);
    InvalidateArea(*w, area, flags);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) PaintTreeNow(hwnd, flags & RDW_UPDATENOW, !(flags & RDW_NOCHILDREN));
    return true;
}

bool InvalidateRect(HWND hwnd, const TRect* rect, bool erase) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

bool UpdateWindow(HWND hwnd) {
    return RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool GetUpdateRect(HWND hwnd, TRect& rect, bool erase) {
    TWindow* w = Win(hwnd);
    if (!w) return false;
    rect = gfx::OffsetRect(w->UpdateRgn.Bounds(), -w->Client.Left, -w->Client.Top);
    if (w->UpdateRgn.IsEmpty()) rect = {};
    if (erase) EraseNow(hwnd);
    return !rect.IsEmpty();
}

HDC BeginPaint(HWND hwnd, TPaintStruct& ps) {
    ps = TPaintStruct{};
    TWindow* w = Win(hwnd);
    if (!w) return nullptr;
    if (w->FrameNeeded) PaintFrameOnly(hwnd);
    if (!(w = Win(hwnd))) return nullptr;
    gfx::TRegion update = w->UpdateRgn;
    update.Offset(-w->Client.Left, -w->Client.Top);
    const bool erase = w->EraseNeeded;
    w->UpdateRgn = gfx::TRegion();
    w->EraseNeeded = w->InternalPaint = false;
    w->PaintCount++;
    ps.Hdc = GetDCEx(hwnd, &update, DCX_INTERSECTRGN);
    ps.Paint = gfx::IntersectRect(update.Bounds(), {0, 0, w->Client.Width(), w->Client.Height()});
    ps.Erase = erase && CallProc(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps.Hdc), 0, true) == 0;
    return ps.Hdc;
}

bool EndPaint(HWND hwnd, const TPaintStruct& ps) { return ps.Hdc && ReleaseDC(hwnd, ps.Hdc); }

}  // namespace ui
