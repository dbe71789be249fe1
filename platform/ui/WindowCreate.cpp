#include <algorithm>

#include "ui/Activation.h"
#include "ui/Channel.h"
#include "ui/Dispatch.h"
#include "ui/Hooks.h"
#include "ui/Input.h"
#include "ui/Menu.h"
#include "ui/Messages.h"
#include "ui/Metrics.h"
#include "ui/NonClient.h"
#include "ui/PaintInternal.h"
#include "ui/Styles.h"
#include "ui/Tree.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "ui/ZOrder.h"

namespace ui {

namespace {

bool IsOverlapped(DWORD style) { return !(style & (WS_POPUP | WS_CHILD)); }

// Overlapped windows without a place of their own cascade over the work area.
void DefaultPlacement(TCreateStruct& cs) {
    const TRect work = GetWorkArea();
    if (cs.X == CW_USEDEFAULT) {
        const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
        const int n = Sys().CreateCount++ % 8;
        cs.X = work.Left + step * n;
        cs.Y = work.Top + step * n;
    }
    if (cs.Cx == CW_USEDEFAULT) {
        cs.Cx = work.Width() * 3 / 4;
        cs.Cy = work.Height() * 3 / 4;
    }
}

void FixChildDefaults(TCreateStruct& cs) {
    if (cs.X == CW_USEDEFAULT) cs.X = cs.Y = 0;
    if (cs.Cx == CW_USEDEFAULT) cs.Cx = cs.Cy = 0;
}

void SendSizeAndMove(HWND hwnd) {
    TWindow* w = Win(hwnd);
    if (!w) return;
    const WPARAM kind = w->Style & WS_MINIMIZE ? SIZE_MINIMIZED : w->Style & WS_MAXIMIZE ? SIZE_MAXIMIZED : SIZE_RESTORED;
    const LPARAM size = MAKELPARAM(w->Client.Width(), w->Client.Height());
    const LPARAM pos = MAKELPARAM(w->Rect.Left + w->Client.Left, w->Rect.Top + w->Client.Top);
    CallProc(hwnd, WM_SIZE, kind, size, true);
    if (Win(hwnd)) CallProc(hwnd, WM_MOVE, 0, pos, true);
}

// Drops a record that never finished its creation, or finished its destruction.
void FreeRecord(HWND hwnd) {
    TWindow* w = Sys().Find(hwnd);
    if (!w) return;
    UnlinkWindow(*w);
    if (w->TopLevel()) {
        Sys().Backend().Destroyed(hwnd);
        for (HWND h : Sys().TopLevels)
            if (TWindow* o = Sys().Find(h); o && o->Owner == hwnd) o->Owner = nullptr;
    }
    Sys().Timers.KillAllOf(hwnd);
    Sys().Queue.DiscardFor(hwnd);
    ForgetDCs(hwnd);
    if (w->SystemMenu) DestroyMenu(w->SystemMenu);
    TMouseState& m = Sys().Mouse;
    if (m.TrackWindow == hwnd) m.TrackWindow = nullptr, m.TrackFlags = 0;
    if (m.Under == hwnd) m.Under = nullptr;
    if (m.LastDownWindow == hwnd) m.LastDownWindow = nullptr;
    if (Sys().Active == hwnd) Sys().Active = nullptr;
    if (Sys().Focus == hwnd) Sys().Focus = nullptr;
    if (m.Capture == hwnd) m.Capture = nullptr;
    w->Class->Windows--;
    Sys().Windows.erase(reinterpret_cast<uintptr_t>(hwnd));
}

void SendDestroyMessages(HWND hwnd) {
    TWindow* w = Win(hwnd);
    if (!w || w->DestroyedMessagesSent) return;
    w->DestroyedMessagesSent = true;
    CallProc(hwnd, WM_DESTROY, 0, 0, true);
    if (TWindow* again = Win(hwnd)) {
        const std::vector<HWND> children = again->Children;
        for (HWND c : children) SendDestroyMessages(c);
    }
}

void FreeTree(HWND hwnd) {
    TWindow* w = Win(hwnd);
    if (!w) return;
    const std::vector<HWND> children = w->Children;
    for (HWND c : children) FreeTree(c);
    CallProc(hwnd, WM_NCDESTROY, 0, 0, true);
    FreeRecord(hwnd);
}

}  // namespace

HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName, DWORD style, int x,
                    int y, int width, int height, HWND parent, UINT_PTR menu, void* param) {
    if (!OnMainThread()) return nullptr;
    TClassRecord* cls = FindClass(className);
    if (!cls) return nullptr;
    TWindow* parentWindow = parent ? Win(parent) : nullptr;
    if (parent && !parentWindow) return nullptr;
    if ((style & WS_CHILD) && !parentWindow) return nullptr;
    if (!(style & WS_CHILD) && parentWindow) parentWindow = &TopLevelOf(*parentWindow);  // the owner

    TCreateStruct cs;
    cs.CreateParams = param;
    cs.Menu = menu;
    cs.Parent = parentWindow ? parentWindow->Handle : nullptr;
    cs.X = x, cs.Y = y, cs.Cx = width, cs.Cy = height;
    cs.Style = style;
    cs.ExStyle = exStyle;
    cs.Name = windowName.c_str();
    cs.ClassName = className.c_str();
    if (IsOverlapped(style)) {
        DefaultPlacement(cs);
        cs.Style |= WS_CAPTION | WS_CLIPSIBLINGS;
    } else {
        FixChildDefaults(cs);
    }
    if (cs.ExStyle & WS_EX_DLGMODALFRAME) cs.ExStyle |= WS_EX_WINDOWEDGE;

    auto record = std::make_unique<TWindow>();
    TWindow& w = *record;
    w.Handle = Sys().NewHandle();
    const HWND hwnd = w.Handle;
    w.Class = cls;
    w.Style = cs.Style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    w.ExStyle = cs.ExStyle & ~WS_EX_TOPMOST;
    if (style & WS_CHILD) w.Parent = cs.Parent, w.Id = menu;
    else w.Owner = cs.Parent;
    w.Proc = cls->Info.WndProc;
    w.Extra.assign(size_t(cls->Info.WndExtra), 0);
    w.NeedSize = IsOverlapped(style);
    cls->Windows++;
    Sys().Windows[reinterpret_cast<uintptr_t>(hwnd)] = std::move(record);

    // New top-level windows go on top; new children to the bottom, so that
    // the first control made stays first in tab order, as in dialogs.
    TCbtCreateWnd cbt{&cs, (style & WS_CHILD) ? HWND_BOTTOM : (cs.ExStyle & WS_EX_TOPMOST) ? HWND_TOPMOST : HWND_TOP};
    if (CallCbtHooks(HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt)) != 0) {
        FreeRecord(hwnd);
        return nullptr;
    }
    if ((w.Style & WS_THICKFRAME) || IsOverlapped(w.Style)) {
        const TMinMaxInfo info = AskMinMaxInfo(hwnd);
        if (!Win(hwnd)) return nullptr;
        cs.Cx = std::clamp(cs.Cx, std::min(info.MinTrackSize.X, info.MaxTrackSize.X), info.MaxTrackSize.X);
        cs.Cy = std::clamp(cs.Cy, std::min(info.MinTrackSize.Y, info.MaxTrackSize.Y), info.MaxTrackSize.Y);
    }
    w.Rect = gfx::Bounds(cs.X, cs.Y, std::max(cs.Cx, 0), std::max(cs.Cy, 0));
    w.NormalRect = w.Rect;
    w.Client = {0, 0, w.Rect.Width(), w.Rect.Height()};

    if (!CallProc(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs), true)) {
        if (Win(hwnd)) CallProc(hwnd, WM_NCDESTROY, 0, 0, true);
        FreeRecord(hwnd);
        return nullptr;
    }
    TWindow* live = Win(hwnd);
    if (!live) return nullptr;
    LinkWindow(*live, cbt.InsertAfter);
    if (live->TopLevel()) {
        ChannelListen();  // other processes of ours may look for it
        FitSurface(*live);
        Sys().Backend().Created(*live);
        Sys().Backend().Restacked();
    }

    TRect client = live->Rect;
    CallProc(hwnd, WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&client), true);
    if (!(live = Win(hwnd))) return nullptr;
    live->Client = gfx::OffsetRect(client, -live->Rect.Left, -live->Rect.Top);

    if (CallProc(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs), true) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!(live = Win(hwnd))) return nullptr;
    if (!live->NeedSize) SendSizeAndMove(hwnd);
    if (style & WS_CHILD) NotifyParents(hwnd, WM_CREATE);
    if (!Win(hwnd)) return nullptr;

    if (style & WS_VISIBLE) {
        const int show = style & WS_MAXIMIZE ? SW_SHOWMAXIMIZED : style & WS_MINIMIZE ? SW_SHOWMINIMIZED : SW_SHOW;
        ShowWindow(hwnd, show);
    } else if (style & (WS_MAXIMIZE | WS_MINIMIZE)) {
        ShowWindow(hwnd, style & WS_MAXIMIZE ? SW_MAXIMIZE : SW_MINIMIZE);
        ShowWindow(hwnd, SW_HIDE);
    }
    return Win(hwnd) ? hwnd : nullptr;
}

bool DestroyWindow(HWND hwnd) {
    TWindow* w = Win(hwnd);
    if (!w || w->Destroying) return false;
    if (CallCbtHooks(HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hwnd), 0) != 0) return false;
    if (!(w = Win(hwnd))) return true;
    w->Destroying = true;
    const bool child = w->IsChild();
    if (child) NotifyParents(hwnd, WM_DESTROY);

    if (Win(hwnd) && (Win(hwnd)->Style & WS_VISIBLE))
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    if (!Win(hwnd)) return true;
    if (!child) {
        std::vector<HWND> owned;
        for (HWND h : Sys().TopLevels)
            if (TWindow* o = Sys().Find(h); o && o->Owner == hwnd) owned.push_back(h);
        for (HWND h : owned) DestroyWindow(h);
        if (Sys().Active == hwnd) ActivateOtherWindow(hwnd);
    }
    if (!Win(hwnd)) return true;
    FocusLeaving(hwnd);
    const HWND capture = Sys().Mouse.Capture;
    if (capture && (capture == hwnd || IsDescendant(hwnd, capture))) ReleaseCapture();
    SendDestroyMessages(hwnd);
    FreeTree(hwnd);
    return true;
}

}  // namespace ui
