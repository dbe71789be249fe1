#include <algorithm>
#include <optional>

#include "ui/Activation.h"
#include "ui/Dispatch.h"
#include "ui/Hooks.h"
#include "ui/Messages.h"
#include "ui/Metrics.h"
#include "ui/NonClient.h"
#include "ui/Styles.h"
#include "ui/Tree.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"

namespace ui {

namespace {

TRect MaximizedRect(HWND hwnd) {
    const TMinMaxInfo info = AskMinMaxInfo(hwnd);
    return gfx::Bounds(info.MaxPosition.X, info.MaxPosition.Y, info.MaxSize.X, info.MaxSize.Y);
}

// Changes the minimised and maximised state; returns the window's new
// rectangle, or nothing when the hook refuses or nothing changes.
std::optional<TRect> MinMaximize(HWND hwnd, int cmd) {
    TWindow* w = Win(hwnd);
    if (CallCbtHooks(HCBT_MINMAX, reinterpret_cast<WPARAM>(hwnd), cmd) != 0 || !(w = Win(hwnd))) return std::nullopt;
    const bool minimized = w->Style & WS_MINIMIZE, maximized = w->Style & WS_MAXIMIZE;
    switch (cmd) {
        case SW_MINIMIZE:
            if (minimized) return std::nullopt;
            if (!maximized) w->NormalRect = w->Rect;
            w->RestoreMaximized = maximized;
            w->Style = (w->Style | WS_MINIMIZE) & ~WS_MAXIMIZE;
            return gfx::Bounds(-32000, -32000, GetSystemMetrics(SM_CXMINIMIZED), GetSystemMetrics(SM_CYMINIMIZED));
        case SW_MAXIMIZE: {
            if (maximized) return std::nullopt;
            if (!minimized) w->NormalRect = w->Rect;
            w->Style = (w->Style | WS_MAXIMIZE) & ~WS_MINIMIZE;
            const TRect r = MaximizedRect(hwnd);
            return r;
        }
        default:  // restore
            if (minimized) {
                w->Style &= ~WS_MINIMIZE;
                if (w->RestoreMaximized) {
                    w->Style |= WS_MAXIMIZE;
                    return MaximizedRect(hwnd);
                }
                return w->NormalRect;
            }
            if (maximized) {
                w->Style &= ~WS_MAXIMIZE;
                return w->NormalRect;
            }
            return std::nullopt;
    }
}

}  // namespace

bool ShowWindow(HWND hwnd, int cmd) {
    TWindow* w = Win(hwnd);
    if (!w) return false;
    const bool wasVisible = w->Style & WS_VISIBLE;
    const bool child = w->IsChild();
    UINT swp = SWP_NOSIZE | SWP_NOMOVE;
    int minmax = -1;
    switch (cmd) {
        case SW_HIDE:
            if (!wasVisible) return false;
            swp |= SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER;
            break;
        case SW_SHOWMINNOACTIVE:
        case SW_MINIMIZE:
        case SW_FORCEMINIMIZE:
            swp |= SWP_NOACTIVATE;
            [[fallthrough]];
        case SW_SHOWMINIMIZED:
            swp |= SWP_SHOWWINDOW | SWP_FRAMECHANGED;
            minmax = SW_MINIMIZE;
            break;
        case SW_SHOWMAXIMIZED:
            swp |= SWP_SHOWWINDOW | SWP_FRAMECHANGED;
            minmax = SW_MAXIMIZE;
            break;
        case SW_SHOWNA:
            swp |= SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER;
            break;
        case SW_SHOW:
            swp |= SWP_SHOWWINDOW;
            break;
        case SW_SHOWNOACTIVATE:
            swp |= SWP_NOACTIVATE | SWP_NOZORDER;
            [[fallthrough]];
        default:  // SW_SHOWNORMAL, SW_RESTORE, SW_SHOWDEFAULT
            swp |= SWP_SHOWWINDOW;
            if (w->Style & (WS_MINIMIZE | WS_MAXIMIZE)) swp |= SWP_FRAMECHANGED, minmax = SW_RESTORE;
            break;
    }
    if (child) swp |= SWP_NOACTIVATE | SWP_NOZORDER;
    const bool show = cmd != SW_HIDE;
    if (show != wasVisible) {
        CallProc(hwnd, WM_SHOWWINDOW, show, 0, true);
        if (!(w = Win(hwnd))) return wasVisible;
    }
    TRect rect = w->Rect;
    const DWORD stateBefore = w->Style & (WS_MINIMIZE | WS_MAXIMIZE);
    if (minmax >= 0) {
        if (const auto r = MinMaximize(hwnd, minmax)) rect = *r, swp &= ~(SWP_NOSIZE | SWP_NOMOVE);
        else swp &= ~SWP_FRAMECHANGED;
        if (!(w = Win(hwnd))) return wasVisible;
    }
    const bool stateChanged = (w->Style & (WS_MINIMIZE | WS_MAXIMIZE)) != stateBefore;
    const bool wasActive = Sys().Active == hwnd;
    SetWindowPos(hwnd, HWND_TOP, rect.Left, rect.Top, rect.Width(), rect.Height(), swp);
    if (!(w = Win(hwnd))) return wasVisible;
    // Told once the window has its new place: a restored window told earlier
    // would be put on the screen with the icon's size.
    if (w->TopLevel() && stateChanged) Sys().Backend().Changed(*w, wcState);
    if (wasActive && (!show || (w->Style & WS_MINIMIZE))) ActivateOtherWindow(hwnd);
    if (!show) FocusLeaving(hwnd);
    if (!(w = Win(hwnd))) return wasVisible;
    if (show && w->NeedSize && Win(hwnd)) {
        w->NeedSize = false;
        const WPARAM kind = w->Style & WS_MINIMIZE   ? SIZE_MINIMIZED
                            : w->Style & WS_MAXIMIZE ? SIZE_MAXIMIZED
                                                     : SIZE_RESTORED;
        CallProc(hwnd, WM_SIZE, kind, MAKELPARAM(w->Client.Width(), w->Client.Height()), true);
        if ((w = Win(hwnd)))
            CallProc(hwnd, WM_MOVE, 0, MAKELPARAM(w->Rect.Left + w->Client.Left, w->Rect.Top + w->Client.Top), true);
    }
    return wasVisible;
}

bool IsIconic(HWND hwnd) {
    const TWindow* w = Win(hwnd);
    return w && (w->Style & WS_MINIMIZE);
}

bool IsZoomed(HWND hwnd) {
    const TWindow* w = Win(hwnd);
    return w && (w->Style & WS_MAXIMIZE);
}

bool GetWindowPlacement(HWND hwnd, TWindowPlacement& placement) {
    const TWindow* w = Win(hwnd);
    if (!w) return false;
    const bool changed = w->Style & (WS_MINIMIZE | WS_MAXIMIZE);
    placement.ShowCmd = w->Style & WS_MINIMIZE ? SW_SHOWMINIMIZED : w->Style & WS_MAXIMIZE ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    placement.NormalPosition = changed ? w->NormalRect : w->Rect;
    return true;
}

bool SetWindowPlacement(HWND hwnd, const TWindowPlacement& placement) {
    TWindow* w = Win(hwnd);
    if (!w) return false;
    const TRect r = placement.NormalPosition;
    if (w->Style & (WS_MINIMIZE | WS_MAXIMIZE)) w->NormalRect = r;
    else SetWindowPos(hwnd, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (Win(hwnd) && (placement.ShowCmd != SW_SHOWNORMAL || (Win(hwnd)->Style & WS_VISIBLE)))
        ShowWindow(hwnd, int(placement.ShowCmd));
    return Win(hwnd) != nullptr;
}

}  // namespace ui
