#include <algorithm>
#include <unistd.h>

#include "ui/PaintInternal.h"
#include "ui/Styles.h"
#include "ui/Tree.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "ui/ZOrder.h"

namespace ui {

namespace {

bool EnumTree(const std::vector<HWND>& windows, const std::function<bool(HWND)>& callback) {
    for (HWND h : windows) {
        const TWindow* w = Win(h);
        if (!w) continue;
        const std::vector<HWND> children = w->Children;
        if (!callback(h)) return false;
        if (!EnumTree(children, callback)) return false;
    }
    return true;
}

}  // namespace

HWND GetDesktopWindow() { return reinterpret_cast<HWND>(uintptr_t(getpid()) << 32); }

HWND GetParent(HWND hwnd) {
    const TWindow* w = Win(hwnd);
    if (!w) return nullptr;
    if (w->IsChild()) return w->Parent;
    return (w->Style & WS_POPUP) ? w->Owner : nullptr;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    TWindow* w = Win(hwnd);
    if (!w) return nullptr;
    switch (flags) {
        case GA_PARENT: return w->Parent ? w->Parent : GetDesktopWindow();
        case GA_ROOT: return TopLevelOf(*w).Handle;
        case GA_ROOTOWNER: {
            TWindow* t = &TopLevelOf(*w);
            while (TWindow* owner = Win(t->Owner)) t = owner;
            return t->Handle;
        }
        default: return nullptr;
    }
}

HWND SetParent(HWND hwnd, HWND newParent) {
    TWindow* w = Win(hwnd);
    TWindow* p = newParent ? Win(newParent) : nullptr;
    if (!w || (newParent && !p) || newParent == hwnd || (p && IsDescendant(hwnd, newParent))) return nullptr;
    const HWND old = w->Parent ? w->Parent : GetDesktopWindow();
    const bool visible = w->Style & WS_VISIBLE;
    if (visible) ShowWindow(hwnd, SW_HIDE);
    if (!(w = Win(hwnd))) return nullptr;
    const bool wasTopLevel = w->TopLevel();
    UnlinkWindow(*w);
    if (wasTopLevel && p) {
        Sys().Backend().Destroyed(hwnd);
        w->Surface.reset();
    }
    w->Parent = p ? newParent : nullptr;
    LinkWindow(*w, nullptr);
    if (!wasTopLevel && !p) {
        FitSurface(*w);
        Sys().Backend().Created(*w);
    }
    if (!p || wasTopLevel) Sys().Backend().Restacked();
    if (visible) ShowWindow(hwnd, SW_SHOWNA);
    return old;
}

bool IsChild(HWND parent, HWND hwnd) { return OnMainThread() && IsDescendant(parent, hwnd); }

HWND GetWindow(HWND hwnd, UINT cmd) {
    TWindow* w = Win(hwnd);
    if (!w) return nullptr;
    if (cmd == GW_CHILD) return w->Children.empty() ? nullptr : w->Children.front();
    if (cmd == GW_OWNER) return w->TopLevel() ? w->Owner : nullptr;
    if (cmd == GW_ENABLEDPOPUP) {
        for (HWND h : Sys().TopLevels)
            if (const TWindow* o = Win(h); o && o->Owner == hwnd && (o->Style & WS_VISIBLE) && !(o->Style & WS_DISABLED))
                return h;
        return nullptr;
    }
    const std::vector<HWND>& list = SiblingsOf(*w);
    const auto at = std::find(list.begin(), list.end(), hwnd);
    switch (cmd) {
        case GW_HWNDFIRST: return list.front();
        case GW_HWNDLAST: return list.back();
        case GW_HWNDNEXT: return at + 1 < list.end() ? *(at + 1) : nullptr;
        case GW_HWNDPREV: return at > list.begin() ? *(at - 1) : nullptr;
        default: return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd) {
    if (!OnMainThread()) return nullptr;
    if (!hwnd || hwnd == GetDesktopWindow()) return Sys().TopLevels.empty() ? nullptr : Sys().TopLevels.front();
    return GetWindow(hwnd, GW_CHILD);
}

bool EnumWindows(const std::function<bool(HWND)>& callback) {
    if (!OnMainThread()) return false;
    const std::vector<HWND> windows = Sys().TopLevels;
    for (HWND h : windows)
        if (Win(h) && !callback(h)) return false;
    return true;
}

bool EnumChildWindows(HWND parent, const std::function<bool(HWND)>& callback) {
    const TWindow* w = Win(parent);
    return w && EnumTree(w->Children, callback);
}

HWND GetDlgItem(HWND dialog, int id) {
    const TWindow* w = Win(dialog);
    if (!w) return nullptr;
    for (HWND h : w->Children)
        if (const TWindow* c = Win(h); c && c->Id == UINT_PTR(id)) return h;
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    const TWindow* w = Win(hwnd);
    return w && w->IsChild() ? int(w->Id) : 0;
}

}  // namespace ui
