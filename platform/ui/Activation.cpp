#include "ui/Activation.h"

#include <vector>

#include "ui/Dispatch.h"
#include "ui/Hooks.h"
#include "ui/InputEvents.h"
#include "ui/Input.h"
#include "ui/Messages.h"
#include "ui/Styles.h"
#include "ui/Tree.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"

namespace ui {

namespace {

void SendActivateApp(bool active, HWND except) {
    const std::vector<HWND> windows = Sys().TopLevels;
    for (HWND h : windows)
        if (h != except) CallProc(h, WM_ACTIVATEAPP, active, 0, true);
}

void ChangeFocus(HWND hwnd) {
    const HWND old = Sys().Focus;
    if (old == hwnd) return;
    Sys().Focus = hwnd;
    if (old && Win(old)) CallProc(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0, true);
    if (hwnd && Sys().Focus == hwnd && Win(hwnd))
        CallProc(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(Win(old) ? old : nullptr), 0, true);
}

void Deactivate(HWND old, HWND next) {
    if (!old || !Win(old)) return;
    CallProc(old, WM_NCACTIVATE, 0, reinterpret_cast<LPARAM>(next), true);
    if (Win(old))
        CallProc(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old)), reinterpret_cast<LPARAM>(next), true);
}

// The application lost the keyboard to another program, or has no window
// left that could take it.
void DeactivateApp(HWND old) {
    Sys().Active = nullptr;
    Deactivate(old, nullptr);
    ChangeFocus(nullptr);
    if (Sys().AppActive) {
        Sys().AppActive = false;
        SendActivateApp(false, nullptr);
    }
}

}  // namespace

bool CanActivate(const TWindow& w) {
    return w.TopLevel() && (w.Style & WS_VISIBLE) && !(w.Style & WS_DISABLED) && !(w.ExStyle & WS_EX_NOACTIVATE);
}

bool ActivateWindow(HWND hwnd, WORD how) {
    TWindow* w = Win(hwnd);
    if (!w || !w->TopLevel()) return false;
    const HWND old = Win(Sys().Active) ? Sys().Active : nullptr;
    if (old == hwnd) return true;
    TCbtActivate cbt{how == WA_CLICKACTIVE, old};
    if (CallCbtHooks(HCBT_ACTIVATE, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt)) != 0) return false;
    Deactivate(old, hwnd);
    if (!Win(hwnd)) return false;
    Sys().Active = hwnd;
    if (Sys().TopLevels.empty() || Sys().TopLevels.front() != hwnd)
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!Sys().AppActive) {
        Sys().AppActive = true;
        SendActivateApp(true, nullptr);
    }
    if (!Win(hwnd) || Sys().Active != hwnd) return Sys().Active == hwnd;
    CallProc(hwnd, WM_NCACTIVATE, 1, reinterpret_cast<LPARAM>(old), true);
    if (Win(hwnd))
        CallProc(hwnd, WM_ACTIVATE, MAKEWPARAM(how, IsIconic(hwnd)), reinterpret_cast<LPARAM>(old), true);
    // A window that did not take the focus itself leaves none behind in
    // the window that lost the activation.
    if (Sys().Active == hwnd && Sys().Focus && !IsDescendant(hwnd, Sys().Focus) && Sys().Focus != hwnd)
        ChangeFocus(nullptr);
    if (Win(hwnd) && Sys().Active == hwnd) Sys().Backend().Activated(hwnd);
    return true;
}

void ActivateOtherWindow(HWND leaving) {
    TWindow* w = Win(leaving);
    HWND next = nullptr;
    if (w && w->Owner)
        if (TWindow* owner = Win(w->Owner); owner && CanActivate(*owner)) next = owner->Handle;
    if (!next)
        for (HWND h : Sys().TopLevels)
            if (TWindow* c = Win(h); c && h != leaving && CanActivate(*c) && !(c->Style & WS_MINIMIZE)) {
                next = h;
                break;
            }
    if (next && ActivateWindow(next, WA_ACTIVE)) return;
    if (Sys().Active == leaving) DeactivateApp(leaving);
}

void FocusLeaving(HWND hwnd) {
    const HWND focus = Sys().Focus;
    if (!focus || (focus != hwnd && !IsDescendant(hwnd, focus))) return;
    TWindow* w = Win(hwnd);
    SetFocus(w && w->IsChild() ? w->Parent : nullptr);
}

HWND SetFocus(HWND hwnd) {
    if (!OnMainThread()) return nullptr;
    const HWND old = Win(Sys().Focus) ? Sys().Focus : nullptr;
    if (hwnd) {
        TWindow* w = Win(hwnd);
        if (!w) return nullptr;
        for (TWindow* t = w; t; t = t->Parent ? Win(t->Parent) : nullptr)
            if (t->Style & (WS_MINIMIZE | WS_DISABLED)) return nullptr;
        if (hwnd == old) return old;
        if (CallCbtHooks(HCBT_SETFOCUS, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(old)) != 0)
            return nullptr;
        if (!(w = Win(hwnd))) return nullptr;
        const HWND top = TopLevelOf(*w).Handle;
        if (top != Sys().Active && !ActivateWindow(top, WA_ACTIVE)) return nullptr;
        if (!Win(hwnd)) return nullptr;
    } else if (CallCbtHooks(HCBT_SETFOCUS, 0, reinterpret_cast<LPARAM>(old)) != 0) {
        return nullptr;
    }
    ChangeFocus(hwnd);
    return old;
}

HWND GetFocus() { return OnMainThread() && Win(Sys().Focus) ? Sys().Focus : nullptr; }

HWND SetActiveWindow(HWND hwnd) {
    if (!OnMainThread()) return nullptr;
    const HWND old = GetActiveWindow();
    TWindow* w = Win(hwnd);
    if (!w || !w->TopLevel() || (w->Style & WS_DISABLED)) return nullptr;
    return ActivateWindow(hwnd, WA_ACTIVE) ? old : nullptr;
}

HWND GetActiveWindow() { return OnMainThread() && Win(Sys().Active) ? Sys().Active : nullptr; }

bool SetForegroundWindow(HWND hwnd) {
    TWindow* w = Win(hwnd);
    return w && ActivateWindow(TopLevelOf(*w).Handle, WA_ACTIVE);
}

HWND GetForegroundWindow() { return Sys().AppActive ? GetActiveWindow() : nullptr; }

void DeliverFocus(HWND hwnd, bool gained) {
    TWindow* w = Win(hwnd);
    if (gained) {
        if (w && Sys().Active != hwnd && CanActivate(*w)) ActivateWindow(hwnd, WA_ACTIVE);
    } else if (Sys().Active) {
        DeactivateApp(Sys().Active);
    }
}

}  // namespace ui
