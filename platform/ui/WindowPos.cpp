#include "ui/WindowPos.h"

#include <algorithm>

#include "ui/Activation.h"
#include "ui/Dispatch.h"
#include "ui/Messages.h"
#include "ui/PaintInternal.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/Tree.h"
#include "ui/Window.h"
#include "ui/ZOrder.h"

namespace ui {

namespace {

// Whether moving the window to insertAfter would change the order.
bool ZOrderChanges(TWindow& w, HWND insertAfter) {
    const std::vector<HWND> before = SiblingsOf(w);
    const DWORD exStyle = w.ExStyle;
    const bool changes = PlaceWindow(w, insertAfter);
    SiblingsOf(w) = before;
    w.ExStyle = exStyle;
    return changes;
}

// Fills in what the flags leave out and drops what would change nothing.
void Normalize(TWindow& w, TWindowPos& wp) {
    if (wp.Flags & SWP_NOMOVE) wp.X = w.Rect.Left, wp.Y = w.Rect.Top;
    if (wp.Flags & SWP_NOSIZE) wp.Cx = w.Rect.Width(), wp.Cy = w.Rect.Height();
    wp.Cx = std::max(wp.Cx, 0);
    wp.Cy = std::max(wp.Cy, 0);
    if (wp.X == w.Rect.Left && wp.Y == w.Rect.Top) wp.Flags |= SWP_NOMOVE;
    if (wp.Cx == w.Rect.Width() && wp.Cy == w.Rect.Height()) wp.Flags |= SWP_NOSIZE;
    if (wp.Flags & SWP_HIDEWINDOW) wp.Flags &= ~SWP_SHOWWINDOW;
    if ((wp.Flags & SWP_SHOWWINDOW) && (w.Style & WS_VISIBLE)) wp.Flags &= ~SWP_SHOWWINDOW;
    if ((wp.Flags & SWP_HIDEWINDOW) && !(w.Style & WS_VISIBLE)) wp.Flags &= ~SWP_HIDEWINDOW;
    if (!(wp.Flags & SWP_NOZORDER) && !ZOrderChanges(w, wp.InsertAfter)) wp.Flags |= SWP_NOZORDER;
}

bool ChangesNothing(const TWindow& w, UINT flags) {
    const UINT still = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
    if ((flags & still) != still || (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_FRAMECHANGED))) return false;
    return (flags & SWP_NOACTIVATE) || !w.TopLevel() || Sys().Active == w.Handle || !(w.Style & WS_VISIBLE);
}

}  // namespace

bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    TWindow* w = Win(hwnd);
    if (!w) return false;
    TWindowPos wp{hwnd, insertAfter, x, y, cx, cy, flags & ~(SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE)};
    Normalize(*w, wp);
    if (ChangesNothing(*w, wp.Flags)) return true;
    if (!(wp.Flags & SWP_NOSENDCHANGING)) {
        CallProc(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp), true);
        if (!(w = Win(hwnd))) return false;
        Normalize(*w, wp);
    }

    const TRect oldRect = w->Rect;
    const TRect oldClient = gfx::OffsetRect(w->Client, oldRect.Left, oldRect.Top);
    const TRect newRect = gfx::Bounds(wp.X, wp.Y, wp.Cx, wp.Cy);
    TRect newClient = gfx::OffsetRect(oldClient, newRect.Left - oldRect.Left, newRect.Top - oldRect.Top);
    if (!(wp.Flags & SWP_NOSIZE) || (wp.Flags & SWP_FRAMECHANGED)) {
        TNcCalcSizeParams params;
        params.Rgrc[0] = newRect;
        params.Rgrc[1] = oldRect;
        params.Rgrc[2] = oldClient;
        params.Pos = &wp;
        CallProc(hwnd, WM_NCCALCSIZE, 1, reinterpret_cast<LPARAM>(&params), true);
        if (!(w = Win(hwnd))) return false;
        newClient = params.Rgrc[0];
    }
    if (newClient.Width() == oldClient.Width() && newClient.Height() == oldClient.Height())
        wp.Flags |= SWP_NOCLIENTSIZE;
    if (newClient.Left == oldClient.Left && newClient.Top == oldClient.Top) wp.Flags |= SWP_NOCLIENTMOVE;

    const bool wasVisible = VisibleChain(*w);
    const bool moved = !(wp.Flags & SWP_NOMOVE), sized = !(wp.Flags & SWP_NOSIZE);
    w->Rect = newRect;
    w->Client = gfx::OffsetRect(newClient, -newRect.Left, -newRect.Top);
    bool restacked = false;
    if (!(wp.Flags & SWP_NOZORDER)) {
        restacked = PlaceWindow(*w, wp.InsertAfter);
        if (w->TopLevel() && !(wp.Flags & SWP_NOOWNERZORDER)) RaiseOwnedWindows(*w);
    }
    if (wp.Flags & SWP_SHOWWINDOW) w->Style |= WS_VISIBLE;
    if (wp.Flags & SWP_HIDEWINDOW) w->Style &= ~WS_VISIBLE;
    const bool visible = VisibleChain(*w);

    if (w->TopLevel()) {
        if (sized) FitSurface(*w);
        unsigned what = (moved ? wcPosition : 0) | (sized ? wcSize : 0);
        if (wp.Flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) what |= wcVisible;
        if (what) Sys().Backend().Changed(*w, what);
        if (restacked) Sys().Backend().Restacked();
    }
    if (!(wp.Flags & SWP_NOREDRAW)) {
        const bool geometry = sized || (moved && !w->TopLevel()) || (restacked && !w->TopLevel());
        if (!w->TopLevel() && wasVisible && (geometry || !visible)) ExposeInParent(*w, oldRect);
        if (visible && (geometry || (wp.Flags & (SWP_SHOWWINDOW | SWP_FRAMECHANGED)))) InvalidateWhole(*w);
    } else if (sized && w->TopLevel()) {
        w->UpdateRgn = gfx::TRegion();  // nothing on the new surface is valid, but the caller asked for no paint
    }

    if (Win(hwnd) && w->TopLevel() && !(wp.Flags & SWP_NOACTIVATE) && CanActivate(*w) && Sys().Active != hwnd)
        ActivateWindow(hwnd, WA_ACTIVE);
    if (!Win(hwnd)) return false;
    CallProc(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp), true);
    return true;
}

bool BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

TRect GetWindowRect(HWND hwnd) {
    const TWindow* w = Win(hwnd);
    if (!w) return hwnd && hwnd == GetDesktopWindow() ? gfx::Bounds(0, 0, Sys().Backend().ScreenSize().cx,
                                                                     Sys().Backend().ScreenSize().cy)
                          : TRect{};
    return ScreenRect(*w);
}

TRect GetClientRect(HWND hwnd) {
    const TWindow* w = Win(hwnd);
    if (!w) return hwnd && hwnd == GetDesktopWindow() ? GetWindowRect(hwnd) : TRect{};
    return {0, 0, w->Client.Width(), w->Client.Height()};
}

TPoint ClientToScreen(HWND hwnd, TPoint p) { return MapWindowPoints(hwnd, nullptr, p); }

TPoint ScreenToClient(HWND hwnd, TPoint p) { return MapWindowPoints(nullptr, hwnd, p); }

TPoint MapWindowPoints(HWND from, HWND to, TPoint p) {
    const TWindow* a = Win(from);
    const TWindow* b = Win(to);
    const TPoint fromOrigin = a ? ClientScreenOrigin(*a) : TPoint{};
    const TPoint toOrigin = b ? ClientScreenOrigin(*b) : TPoint{};
    return {p.X + fromOrigin.X - toOrigin.X, p.Y + fromOrigin.Y - toOrigin.Y};
}

TRect MapWindowRect(HWND from, HWND to, const TRect& r) {
    const TPoint p = MapWindowPoints(from, to, {r.Left, r.Top});
    return gfx::Bounds(p.X, p.Y, r.Width(), r.Height());
}

bool SetWindowRgn(HWND hwnd, const gfx::TRegion* region, bool redraw) {
    TWindow* w = Win(hwnd);
    if (!w) return false;
    const bool visible = VisibleChain(*w);
    if (!w->TopLevel() && redraw && visible) ExposeInParent(*w, w->Rect);
    w->WindowRgn = region ? std::optional<gfx::TRegion>(*region) : std::nullopt;
    if (w->TopLevel()) Sys().Backend().Changed(*w, wcRegion);
    if (redraw && visible) InvalidateWhole(*w);
    return true;
}

int GetWindowRgn(HWND hwnd, gfx::TRegion& region) {
    const TWindow* w = Win(hwnd);
    if (!w || !w->WindowRgn) return 0;
    region = *w->WindowRgn;
    return region.Kind();
}

}  // namespace ui
