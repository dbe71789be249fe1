#include "ui/Tree.h"

#include "rtl/TThread.h"
#include "ui/Styles.h"

namespace ui {

bool OnMainThread() { return rtl::IsMainThread(); }

TWindow* Win(HWND hwnd) { return OnMainThread() ? Sys().Find(hwnd) : nullptr; }

TWindow& TopLevelOf(const TWindow& w) {
    const TWindow* t = &w;
    while (t->Parent) t = Sys().Find(t->Parent);
    return *Sys().Find(t->Handle);
}

std::vector<HWND>& SiblingsOf(TWindow& w) {
    return w.Parent ? Sys().Find(w.Parent)->Children : Sys().TopLevels;
}

bool IsDescendant(HWND ancestor, HWND hwnd) {
    for (TWindow* w = Sys().Find(hwnd); w && w->Parent; w = Sys().Find(w->Parent))
        if (w->Parent == ancestor) return true;
    return false;
}

bool VisibleChain(const TWindow& w) {
    for (const TWindow* t = &w; t; t = t->Parent ? Sys().Find(t->Parent) : nullptr)
        if (!(t->Style & WS_VISIBLE)) return false;
    return true;
}

bool RedrawSuppressed(const TWindow& w) {
    for (const TWindow* t = &w; t; t = t->Parent ? Sys().Find(t->Parent) : nullptr)
        if (t->RedrawOff) return true;
    return false;
}

TPoint ScreenOrigin(const TWindow& w) {
    if (!w.Parent) return {w.Rect.Left, w.Rect.Top};
    const TPoint parent = ClientScreenOrigin(*Sys().Find(w.Parent));
    return {parent.X + w.Rect.Left, parent.Y + w.Rect.Top};
}

TPoint SurfaceOrigin(const TWindow& w) {
    if (!w.Parent) return {0, 0};
    const TWindow& p = *Sys().Find(w.Parent);
    const TPoint origin = SurfaceOrigin(p);
    return {origin.X + p.Client.Left + w.Rect.Left, origin.Y + p.Client.Top + w.Rect.Top};
}

TPoint ClientScreenOrigin(const TWindow& w) {
    const TPoint o = ScreenOrigin(w);
    return {o.X + w.Client.Left, o.Y + w.Client.Top};
}

TRect ScreenRect(const TWindow& w) {
    const TPoint o = ScreenOrigin(w);
    return gfx::Bounds(o.X, o.Y, w.Rect.Width(), w.Rect.Height());
}

}  // namespace ui
