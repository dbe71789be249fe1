#include "ui/SysCommand.h"

#include <algorithm>

#include "ui/DefaultFrame.h"
#include "ui/Dispatch.h"
#include "ui/Hooks.h"
#include "ui/Input.h"
#include "ui/Keys.h"
#include "ui/Menu.h"
#include "ui/MessageLoop.h"
#include "ui/Messages.h"
#include "ui/Metrics.h"
#include "ui/NonClient.h"
#include "ui/Styles.h"
#include "ui/Tree.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"

namespace ui {

namespace {

constexpr int KeyStep = 8;  // pixels per arrow key while moving or sizing by keyboard

// The rectangle after the cursor moved by (dx, dy) from where the drag began.
TRect Dragged(const TRect& start, WPARAM edge, int dx, int dy, const TMinMaxInfo& limits) {
    if (edge == 0) return gfx::OffsetRect(start, dx, dy);
    TRect r = start;
    const bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    const bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
    const bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    const bool bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
    auto clampWidth = [&](int w) { return std::clamp(w, limits.MinTrackSize.X, std::max(limits.MinTrackSize.X, limits.MaxTrackSize.X)); };
    auto clampHeight = [&](int h) { return std::clamp(h, limits.MinTrackSize.Y, std::max(limits.MinTrackSize.Y, limits.MaxTrackSize.Y)); };
    if (left) r.Left = r.Right - clampWidth(start.Width() - dx);
    if (right) r.Right = r.Left + clampWidth(start.Width() + dx);
    if (top) r.Top = r.Bottom - clampHeight(start.Height() - dy);
    if (bottom) r.Bottom = r.Top + clampHeight(start.Height() + dy);
    return r;
}

// The modal move or size loop. `edge` is 0 for a move, else the WMSZ_ edge;
// without the mouse the arrow keys move or size the window. The mouse drags
// from `origin`, where its button went down.
void MoveSizeLoop(HWND hwnd, WPARAM edge, bool byMouse, TPoint origin) {
    TWindow* w = Win(hwnd);
    if (!w || (w->Style & WS_MAXIMIZE) || (edge && (w->Style & WS_MINIMIZE))) return;
    if (CallCbtHooks(HCBT_MOVESIZE, reinterpret_cast<WPARAM>(hwnd), 0) != 0) return;
    const TMinMaxInfo limits = AskMinMaxInfo(hwnd);
    if (!(w = Win(hwnd))) return;
    const TRect start = w->Rect;
    int dx = 0, dy = 0;
    CallProc(hwnd, WM_ENTERSIZEMOVE, 0, 0, true);
    SetCapture(hwnd);
    bool done = false, cancelled = false;
    TMsg msg;
    while (!done && Win(hwnd)) {
        if (!GetMessage(msg, nullptr, 0, 0)) {
            PostQuitMessage(int(msg.WParam));
            break;
        }
        bool moved = false;
        switch (msg.Message) {
            case WM_MOUSEMOVE:
                if (byMouse) dx = msg.Pt.X - origin.X, dy = msg.Pt.Y - origin.Y, moved = true;
                break;
            case WM_LBUTTONUP:
            case WM_LBUTTONDOWN: done = true; break;
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
                switch (msg.WParam) {
                    case VK_ESCAPE: done = cancelled = true; break;
                    case VK_RETURN: done = true; break;
                    case VK_LEFT: dx -= KeyStep, moved = true; break;
                    case VK_RIGHT: dx += KeyStep, moved = true; break;
                    case VK_UP: dy -= KeyStep, moved = true; break;
                    case VK_DOWN: dy += KeyStep, moved = true; break;
                    default: break;
                }
                break;
            case WM_KEYUP:
            case WM_SYSKEYUP:
            case WM_CHAR:
            case WM_SYSCHAR: break;
            default:
                if (msg.Message < WM_MOUSEFIRST || msg.Message > WM_MOUSELAST) {
                    TranslateMessage(msg);
                    DispatchMessage(msg);
                }
        }
        if (moved) {
            TRect r = Dragged(start, edge, dx, dy, limits);
            CallProc(hwnd, edge ? WM_SIZING : WM_MOVING, edge, reinterpret_cast<LPARAM>(&r), true);
            SetWindowPos(hwnd, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (GetCapture() != hwnd) done = true;
    }
    if (cancelled && Win(hwnd))
        SetWindowPos(hwnd, nullptr, start.Left, start.Top, start.Width(), start.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (GetCapture() == hwnd) ReleaseCapture();
    if (Win(hwnd)) CallProc(hwnd, WM_EXITSIZEMOVE, 0, 0, true);
}

// A drag by mouse starts where the button went down (the command's LParam).
TPoint MouseOrigin(LPARAM lParam) { return lParam ? LParamToPoint(lParam) : GetCursorPos(); }

}  // namespace

TPoint SystemMenuPoint(HWND hwnd) {
    const TWindow* w = Win(hwnd);
    if (!w) return {};
    const TPoint o = ScreenOrigin(*w);
    const int b = FrameWidth(w->Style, w->ExStyle);
    return {o.X + b, o.Y + b + CaptionHeight(w->Style, w->ExStyle)};
}

bool TrackCaptionButton(HWND hwnd, LRESULT hit) {
    TWindow* w = Win(hwnd);
    if (!w) return false;
    SetCapture(hwnd);
    w->PressedButton = hit;
    RedrawDefaultFrame(hwnd);
    bool over = true;
    TMsg msg;
    while (Win(hwnd) && GetCapture() == hwnd) {
        if (!GetMessage(msg, nullptr, 0, 0)) {
            PostQuitMessage(int(msg.WParam));
            break;
        }
        if (msg.Message == WM_MOUSEMOVE) {
            const bool now = DefaultHitTest(*Win(hwnd), msg.Pt) == hit;
            if (now != over) {
                over = now;
                Win(hwnd)->PressedButton = over ? hit : 0;
                RedrawDefaultFrame(hwnd);
            }
        } else if (msg.Message == WM_LBUTTONUP) {
            break;
        } else if (msg.Message < WM_MOUSEFIRST || msg.Message > WM_MOUSELAST) {
            DispatchMessage(msg);
        }
    }
    if (GetCapture() == hwnd) ReleaseCapture();
    if ((w = Win(hwnd))) {
        w->PressedButton = 0;
        RedrawDefaultFrame(hwnd);
    }
    return over;
}

void DefaultSysCommand(HWND hwnd, WPARAM command, LPARAM lParam) {
    if (!Win(hwnd) || CallCbtHooks(HCBT_SYSCOMMAND, command, lParam) != 0) return;
    switch (command & 0xFFF0) {
        case SC_CLOSE: CallProc(hwnd, WM_CLOSE, 0, 0, true); break;
        case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); break;
        case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); break;
        case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); break;
        case SC_MOVE: MoveSizeLoop(hwnd, 0, (command & 0x0F) != 0, MouseOrigin(lParam)); break;
        case SC_SIZE:
            MoveSizeLoop(hwnd, command & 0x0F ? command & 0x0F : WMSZ_BOTTOMRIGHT, (command & 0x0F) != 0,
                         MouseOrigin(lParam));
            break;
        case SC_KEYMENU:
            if (lParam == ' ') ShowSystemMenu(hwnd, SystemMenuPoint(hwnd));
            break;
        case SC_MOUSEMENU: ShowSystemMenu(hwnd, SystemMenuPoint(hwnd)); break;
        default: break;
    }
}

}  // namespace ui
