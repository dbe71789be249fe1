// Native input turned into window messages.
#include <cstdlib>

#include "ui/Activation.h"
#include "ui/Dispatch.h"
#include "ui/HitTest.h"
#include "ui/Input.h"
#include "ui/InputEvents.h"
#include "ui/InputTracking.h"
#include "ui/Keys.h"
#include "ui/MessageLoop.h"
#include "ui/Messages.h"
#include "ui/Metrics.h"
#include "ui/Styles.h"
#include "ui/Tree.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"

namespace ui {

namespace {

constexpr UINT_PTR HoverTimerId = 0xFFFFFFF0;
constexpr UINT NonClientOffset = WM_MOUSEMOVE - WM_NCMOUSEMOVE;

bool Down(UINT vk) { return Sys().KeyState[vk] & 0x80; }

WPARAM MouseKeys() {
    return (Down(VK_LBUTTON) ? MK_LBUTTON : 0) | (Down(VK_RBUTTON) ? MK_RBUTTON : 0) |
           (Down(VK_MBUTTON) ? MK_MBUTTON : 0) | (Down(VK_SHIFT) ? MK_SHIFT : 0) | (Down(VK_CONTROL) ? MK_CONTROL : 0);
}

void Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { PostMessage(hwnd, msg, wParam, lParam); }

void HoverElapsed() {
    TMouseState& m = Sys().Mouse;
    if (!(m.TrackFlags & TME_HOVER) || !Win(m.TrackWindow)) return;
    m.TrackFlags &= ~TME_HOVER;
    if (m.TrackNonClient) Post(m.TrackWindow, WM_NCMOUSEHOVER, WPARAM(m.UnderHit), PointToLParam(m.Pos));
    else Post(m.TrackWindow, WM_MOUSEHOVER, MouseKeys(), PointToLParam(ScreenToClient(m.TrackWindow, m.Pos)));
    if (!m.TrackFlags) m.TrackWindow = nullptr;
}

const UINT ButtonDownMessages[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
const UINT ButtonVk[] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};

// A second press close enough in time and place becomes a double click.
UINT DoubleClick(HWND target, UINT message, bool nonClient, TPoint pos) {
    TMouseState& m = Sys().Mouse;
    const int64_t now = Sys().Clock.Now();
    const bool wanted = nonClient || (GetClassStyle(target) & CS_DBLCLKS);
    const bool close = std::abs(pos.X - m.LastDownPos.X) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                       std::abs(pos.Y - m.LastDownPos.Y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    if (wanted && m.LastDownWindow == target && m.LastDownMessage == message && close &&
        now - m.LastDownTime <= int64_t(GetDoubleClickTime())) {
        m.LastDownWindow = nullptr;
        return message + 2;
    }
    m.LastDownWindow = target;
    m.LastDownMessage = message;
    m.LastDownTime = now;
    m.LastDownPos = pos;
    return message;
}

void Queue(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    TMsg msg{hwnd, message, wParam, lParam, DWORD(Sys().Clock.Now()), Sys().Mouse.Pos};
    if (message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE)
        if (TMsg* last = Sys().Queue.LastInputMove(); last && last->Hwnd == hwnd && last->Message == message) {
            *last = msg;
            return;
        }
    Sys().Queue.PushInput(msg);
}

// WM_MOUSEACTIVATE before a press in a window that is not active; false when
// the press is to be eaten.
bool ActivateOnPress(HWND target, LRESULT hit, UINT message) {
    TWindow* w = Win(target);
    if (!w) return false;
    const HWND top = TopLevelOf(*w).Handle;
    if (top == Sys().Active && Sys().AppActive) return true;
    const LRESULT r = CallProc(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top), MAKELPARAM(int(hit), int(message)), true);
    TWindow* t = Win(top);
    if ((r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT) && t && CanActivate(*t)) ActivateWindow(top, WA_CLICKACTIVE);
    return r != MA_ACTIVATEANDEAT && r != MA_NOACTIVATEANDEAT && Win(target);
}

void UpdateKey(UINT vk, bool down) {
    uint8_t& s = Sys().KeyState[vk & 0xFF];
    if (down && !(s & 0x80)) s ^= 1;  // toggled on each press
    s = uint8_t(down ? (s | 0x80) : (s & ~0x80));
}

}  // namespace

void StartHoverTimer() {
    TMouseState& m = Sys().Mouse;
    Sys().Timers.Set(nullptr, HoverTimerId, int(m.HoverTime), Sys().Clock.Now(), {}, HoverElapsed);
}

void StopHoverTimer() { Sys().Timers.Kill(nullptr, HoverTimerId); }

void UpdateTracking(HWND under, LRESULT hit) {
    TMouseState& m = Sys().Mouse;
    if (!m.TrackFlags || !m.TrackWindow) return;
    const bool area = m.TrackNonClient ? (hit != HTCLIENT && hit != HTNOWHERE && hit != HTERROR) : hit == HTCLIENT;
    if (under != m.TrackWindow || !area) {
        if (m.TrackFlags & TME_LEAVE) Post(m.TrackWindow, m.TrackNonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
        StopHoverTimer();
        m.TrackFlags = 0;
        m.TrackWindow = nullptr;
        return;
    }
    const TSize box = GetMouseHoverSize();
    if ((m.TrackFlags & TME_HOVER) &&
        (std::abs(m.Pos.X - m.HoverAnchor.X) > box.cx / 2 || std::abs(m.Pos.Y - m.HoverAnchor.Y) > box.cy / 2)) {
        m.HoverAnchor = m.Pos;
        StartHoverTimer();
    }
}

namespace {

void RouteMouse(const TMouseInput& input) {
    TMouseState& m = Sys().Mouse;
    if (input.Kind == TMouseInput::Leave) {
        m.Under = nullptr;
        m.UnderHit = HTNOWHERE;
        UpdateTracking(nullptr, HTNOWHERE);
        return;
    }
    m.Pos = input.Screen;
    const int button = std::clamp(input.Button, 0, 2);
    if (input.Kind == TMouseInput::ButtonDown || input.Kind == TMouseInput::ButtonUp)
        UpdateKey(ButtonVk[button], input.Kind == TMouseInput::ButtonDown);
    LRESULT hit = HTNOWHERE;
    const HWND under = FindWindowAt(input.Screen, input.Window, hit);
    m.Under = under;
    m.UnderHit = hit;
    UpdateTracking(under, hit);

    if (input.Kind == TMouseInput::Wheel) {
        const HWND focus = GetFocus() ? GetFocus() : under;
        if (focus)
            Queue(focus, WM_MOUSEWHEEL, MAKEWPARAM(int(MouseKeys()), input.WheelDelta), PointToLParam(input.Screen));
        return;
    }
    const HWND capture = GetCapture();
    const HWND target = capture ? capture : under;
    if (!target) return;
    UINT message = WM_MOUSEMOVE;
    if (input.Kind == TMouseInput::ButtonDown) message = ButtonDownMessages[button];
    else if (input.Kind == TMouseInput::ButtonUp) message = ButtonDownMessages[button] + 1;
    if (!capture) {
        CallProc(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(int(hit), int(message)), true);
        if (!Win(target)) return;
    }
    if (hit == HTERROR && !capture) return;
    if (input.Kind == TMouseInput::ButtonDown && !capture && !ActivateOnPress(target, hit, message)) return;
    const bool client = capture || hit == HTCLIENT;
    if (input.Kind == TMouseInput::ButtonDown)
        message = DoubleClick(target, message, !client, input.Screen);
    if (client)
        Queue(target, message, MouseKeys(), PointToLParam(ScreenToClient(target, input.Screen)));
    else
        Queue(target, message - NonClientOffset, WPARAM(hit), PointToLParam(input.Screen));
}

void RouteKey(const TKeyInput& input) {
    const bool wasDown = Down(input.Vk & 0xFF);
    UpdateKey(input.Vk, input.Down);
    static const UINT sided[][2] = {{VK_SHIFT, 0xA0}, {VK_CONTROL, 0xA2}, {VK_MENU, 0xA4}};
    for (const auto& [generic, left] : sided)
        if (input.Vk == left || input.Vk == left + 1) UpdateKey(generic, input.Down);
    const HWND focus = GetFocus();
    const HWND target = focus ? focus : GetActiveWindow();
    if (!target) return;
    const UINT vk = input.Vk == 0xA0 || input.Vk == 0xA1   ? UINT(VK_SHIFT)
                    : input.Vk == 0xA2 || input.Vk == 0xA3 ? UINT(VK_CONTROL)
                    : input.Vk == 0xA4 || input.Vk == 0xA5 ? UINT(VK_MENU)
                                                           : input.Vk;
    const bool alt = Down(VK_MENU), ctrl = Down(VK_CONTROL);
    // Alt tapped alone is a system key both ways; released after a
    // combination it is an ordinary key-up, as on the original platform.
    bool& altAlone = Sys().AltAlone;
    const bool altTap = vk == VK_MENU && (input.Down || altAlone);
    if (input.Down) altAlone = vk == VK_MENU;
    const bool system = !focus || (alt && !ctrl) || vk == VK_F10 || altTap;
    LPARAM lParam = 1 | (alt ? LPARAM(1) << 29 : 0);
    if (!input.Down) lParam |= LPARAM(3) << 30;
    else if (wasDown) lParam |= LPARAM(1) << 30;
    const UINT message = system ? (input.Down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (input.Down ? WM_KEYDOWN : WM_KEYUP);
    TMsg msg{target, message, vk, lParam, DWORD(Sys().Clock.Now()), Sys().Mouse.Pos};
    if (input.Down) msg.Char = input.Char;
    Sys().Queue.PushInput(msg);
}

}  // namespace

void DeliverMouse(const TMouseInput& input) {
    if (!OnMainThread()) return;
    std::deque<TRawInput>& raw = Sys().RawInput;
    // Moves between two routings are one move: only where the mouse ended
    // up matters.
    if (input.Kind == TMouseInput::Move && !raw.empty())
        if (auto* last = std::get_if<TMouseInput>(&raw.back()); last && last->Kind == TMouseInput::Move) {
            *last = input;
            return;
        }
    raw.push_back(input);
}

void DeliverKey(const TKeyInput& input) {
    if (OnMainThread()) Sys().RawInput.push_back(input);
}

bool RouteNextInput() {
    std::deque<TRawInput>& raw = Sys().RawInput;
    if (raw.empty()) return false;
    const TRawInput input = raw.front();
    raw.pop_front();
    if (const auto* mouse = std::get_if<TMouseInput>(&input)) RouteMouse(*mouse);
    else RouteKey(std::get<TKeyInput>(input));
    return true;
}

void DeliverCloseRequest(HWND hwnd) {
    if (Win(hwnd)) PostMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void DeliverMovedByHost(HWND hwnd, const TRect& rect) {
    const TWindow* w = Win(hwnd);
    if (w && !(w->Style & WS_MINIMIZE) && !(w->Rect == rect))
        SetWindowPos(hwnd, nullptr, rect.Left, rect.Top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void DeliverIconified(HWND hwnd, bool iconic) {
    const TWindow* w = Win(hwnd);
    if (w && bool(w->Style & WS_MINIMIZE) != iconic) ShowWindow(hwnd, iconic ? SW_SHOWMINNOACTIVE : SW_RESTORE);
}

}  // namespace ui
