// Capture, mouse tracking, the cursor and the keyboard state.
#include "ui/Input.h"

#include "ui/Dispatch.h"
#include "ui/InputTracking.h"
#include "ui/Keys.h"
#include "ui/MessageLoop.h"
#include "ui/Messages.h"
#include "ui/Metrics.h"
#include "ui/Styles.h"
#include "ui/Tree.h"

namespace ui {

HWND SetCapture(HWND hwnd) {
    if (!OnMainThread() || !Win(hwnd)) return nullptr;
    TMouseState& m = Sys().Mouse;
    const HWND old = m.Capture;
    if (old == hwnd) return old;
    m.Capture = hwnd;
    if (old && Win(old)) CallProc(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd), true);
    Sys().Backend().CaptureChanged(m.Capture);
    return old;
}

bool ReleaseCapture() {
    if (!OnMainThread()) return false;
    TMouseState& m = Sys().Mouse;
    const HWND old = m.Capture;
    if (!old) return true;
    m.Capture = nullptr;
    if (Win(old)) CallProc(old, WM_CAPTURECHANGED, 0, 0, true);
    Sys().Backend().CaptureChanged(nullptr);
    return true;
}

HWND GetCapture() { return OnMainThread() && Win(Sys().Mouse.Capture) ? Sys().Mouse.Capture : nullptr; }

bool TrackMouseEvent(TTrackMouseEvent& track) {
    if (!OnMainThread()) return false;
    TMouseState& m = Sys().Mouse;
    if (track.Flags & TME_QUERY) {
        track.Hwnd = m.TrackFlags ? m.TrackWindow : nullptr;
        track.Flags = m.TrackFlags | (m.TrackNonClient ? TME_NONCLIENT : 0);
        track.HoverTime = m.HoverTime;
        return true;
    }
    if (!Win(track.Hwnd)) return false;
    const DWORD wanted = track.Flags & (TME_LEAVE | TME_HOVER);
    if (track.Flags & TME_CANCEL) {
        if (m.TrackWindow == track.Hwnd) {
            m.TrackFlags &= ~wanted;
            if (!(m.TrackFlags & TME_HOVER)) StopHoverTimer();
            if (!m.TrackFlags) m.TrackWindow = nullptr;
        }
        return true;
    }
    const bool nonClient = track.Flags & TME_NONCLIENT;
    if (m.TrackWindow != track.Hwnd || m.TrackNonClient != nonClient) m.TrackFlags = 0;
    m.TrackWindow = track.Hwnd;
    m.TrackNonClient = nonClient;
    m.TrackFlags |= wanted;
    if (track.Flags & TME_HOVER) {
        m.HoverTime = track.HoverTime == HOVER_DEFAULT ? GetMouseHoverTime() : track.HoverTime;
        m.HoverAnchor = m.Pos;
        StartHoverTimer();
    }
    // A window the cursor is not over hears at once that it has been left.
    UpdateTracking(m.Under, m.UnderHit);
    return true;
}

TPoint GetCursorPos() { return OnMainThread() ? Sys().Mouse.Pos : TPoint{}; }

bool SetCursorPos(int x, int y) {
    if (!OnMainThread()) return false;
    Sys().Backend().SetCursorPos({x, y});
    return true;
}

HCURSOR LoadCursor(int id) { return reinterpret_cast<HCURSOR>(intptr_t(id)); }

int CursorId(HCURSOR cursor) { return int(reinterpret_cast<intptr_t>(cursor)); }

HCURSOR SetCursor(HCURSOR cursor) {
    if (!OnMainThread()) return nullptr;
    TMouseState& m = Sys().Mouse;
    const HCURSOR old = m.Cursor;
    if (cursor != old) {
        m.Cursor = cursor;
        Sys().Backend().SetCursor(cursor);
    }
    return old;
}


short GetKeyState(int vk) {
    if (!OnMainThread() || vk < 0 || vk > 255) return 0;
    const uint8_t s = Sys().KeyState[vk];
    return short((s & 0x80 ? 0x8000 : 0) | (s & 1));
}

short GetAsyncKeyState(int vk) { return short(GetKeyState(vk) & 0x8000); }

}  // namespace ui
