#include "ui/HitTest.h"

#include <algorithm>
#include <vector>

#include "ui/Dispatch.h"
#include "ui/Messages.h"
#include "ui/Layered.h"
#include "ui/Styles.h"
#include "ui/Tree.h"
#include "ui/WindowPos.h"

namespace ui {

namespace {

bool Skipped(HWND h, const std::vector<HWND>& skip) { return std::find(skip.begin(), skip.end(), h) != skip.end(); }

// Whether a layered window shows anything at a point of its own.
bool LayeredPixelShown(const TWindow& w, int x, int y) {
    if (!(w.ExStyle & WS_EX_LAYERED)) return true;
    if (w.Layered == TLayeredMode::Unset || !w.Surface) return false;
    if (x >= w.Surface->Width() || y >= w.Surface->Height()) return false;
    const uint8_t* p = w.Surface->ScanLine(y) + x * 4;
    if (w.Layered == TLayeredMode::Picture && w.PerPixelAlpha && p[3] == 0) return false;
    if (w.LayeredFlags & LWA_COLORKEY) {
        const gfx::TColor key = gfx::ColorToRGB(w.LayeredKey);
        if (gfx::RGB(p[2], p[1], p[0]) == key) return false;
    }
    return true;
}

bool TopLevelAt(const TWindow& w, TPoint screen, const std::vector<HWND>& skip) {
    if (!(w.Style & WS_VISIBLE) || (w.Style & WS_MINIMIZE) || Skipped(w.Handle, skip)) return false;
    if ((w.ExStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT)) == (WS_EX_LAYERED | WS_EX_TRANSPARENT)) return false;
    const int x = screen.X - w.Rect.Left, y = screen.Y - w.Rect.Top;
    if (!w.Rect.Contains(screen.X, screen.Y)) return false;
    if (w.WindowRgn && !w.WindowRgn->Contains(x, y)) return false;
    return LayeredPixelShown(w, x, y);
}

// The deepest enabled, visible descendant of w at a point of w's client area.
const TWindow* ChildAt(const TWindow& w, TPoint client, const std::vector<HWND>& skip) {
    for (HWND h : w.Children) {
        const TWindow* c = Sys().Find(h);
        if (!c || !(c->Style & WS_VISIBLE) || (c->Style & WS_DISABLED) || Skipped(h, skip)) continue;
        if (!c->Rect.Contains(client.X, client.Y)) continue;
        const int x = client.X - c->Rect.Left, y = client.Y - c->Rect.Top;
        if (c->WindowRgn && !c->WindowRgn->Contains(x, y)) continue;
        if (!c->Client.Contains(x, y)) return c;
        const TWindow* deeper = ChildAt(*c, {x - c->Client.Left, y - c->Client.Top}, skip);
        return deeper ? deeper : c;
    }
    return nullptr;
}

HWND DeepestAt(TPoint screen, HWND first, const std::vector<HWND>& skip) {
    std::vector<HWND> order = Sys().TopLevels;
    if (first) {
        const auto at = std::find(order.begin(), order.end(), first);
        if (at != order.end()) order.erase(order.begin(), at);
    }
    for (HWND h : order) {
        const TWindow* t = Sys().Find(h);
        if (!t || !TopLevelAt(*t, screen, skip)) continue;
        if (t->Style & WS_DISABLED) return h;
        const TPoint client = {screen.X - t->Rect.Left - t->Client.Left, screen.Y - t->Rect.Top - t->Client.Top};
        const TWindow* child = t->Client.Contains(screen.X - t->Rect.Left, screen.Y - t->Rect.Top)
                                   ? ChildAt(*t, client, skip)
                                   : nullptr;
        return child ? child->Handle : h;
    }
    return nullptr;
}

}  // namespace

HWND FindWindowAt(TPoint screen, HWND first, LRESULT& hit) {
    std::vector<HWND> transparent;
    for (;;) {
        const HWND h = DeepestAt(screen, first, transparent);
        const TWindow* w = Sys().Find(h);
        if (!w) {
            hit = HTNOWHERE;
            return nullptr;
        }
        if (w->TopLevel() && (w->Style & WS_DISABLED)) {
            hit = HTERROR;
            return h;
        }
        hit = CallProc(h, WM_NCHITTEST, 0, PointToLParam(screen), true);
        if (hit != HTTRANSPARENT || !Sys().Find(h)) return Sys().Find(h) ? h : nullptr;
        transparent.push_back(h);
    }
}

HWND WindowFromPoint(TPoint screen) {
    if (!OnMainThread()) return nullptr;
    LRESULT hit = 0;
    return FindWindowAt(screen, nullptr, hit);
}

HWND ChildWindowFromPoint(HWND parent, TPoint client) {
    const TWindow* w = Win(parent);
    if (!w || !gfx::TRect{0, 0, w->Client.Width(), w->Client.Height()}.Contains(client.X, client.Y)) return nullptr;
    for (HWND h : w->Children)
        if (const TWindow* c = Sys().Find(h); c && c->Rect.Contains(client.X, client.Y)) return h;
    return parent;
}

}  // namespace ui
