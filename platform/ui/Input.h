#pragma once
// Mouse capture and tracking, the cursor, keyboard focus, activation and the
// keyboard state.
#include "ui/Types.h"

namespace ui {

// TrackMouseEvent
inline constexpr DWORD TME_HOVER = 0x1;
inline constexpr DWORD TME_LEAVE = 0x2;
inline constexpr DWORD TME_NONCLIENT = 0x10;
inline constexpr DWORD TME_QUERY = 0x40000000;
inline constexpr DWORD TME_CANCEL = 0x80000000;
inline constexpr DWORD HOVER_DEFAULT = 0xFFFFFFFF;

HWND SetCapture(HWND hwnd);  // returns the window that had the capture
bool ReleaseCapture();
HWND GetCapture();

// TRACKMOUSEEVENT: WM_MOUSELEAVE (WM_NCMOUSELEAVE with TME_NONCLIENT) is
// posted once the cursor leaves the window's client area (its frame), and
// WM_MOUSEHOVER once it has rested there for HoverTime milliseconds within
// the hover rectangle. Either ends its tracking.
struct TTrackMouseEvent {
    DWORD Flags = 0;
    HWND Hwnd = nullptr;
    DWORD HoverTime = 0xFFFFFFFF;  // HOVER_DEFAULT
};
bool TrackMouseEvent(TTrackMouseEvent& track);

TPoint GetCursorPos();
bool SetCursorPos(int x, int y);

// Cursor shapes by their IDC_ numbers.
inline constexpr int IDC_ARROW = 32512;
inline constexpr int IDC_IBEAM = 32513;
inline constexpr int IDC_WAIT = 32514;
inline constexpr int IDC_CROSS = 32515;
inline constexpr int IDC_UPARROW = 32516;
inline constexpr int IDC_SIZENWSE = 32642;
inline constexpr int IDC_SIZENESW = 32643;
inline constexpr int IDC_SIZEWE = 32644;
inline constexpr int IDC_SIZENS = 32645;
inline constexpr int IDC_SIZEALL = 32646;
inline constexpr int IDC_NO = 32648;
inline constexpr int IDC_HAND = 32649;
inline constexpr int IDC_APPSTARTING = 32650;
inline constexpr int IDC_HELP = 32651;
HCURSOR LoadCursor(int id);
int CursorId(HCURSOR cursor);
HCURSOR SetCursor(HCURSOR cursor);

// Keyboard focus: WM_KILLFOCUS to the old window, then WM_SETFOCUS to the
// new one; a window in another top-level window activates that one first.
HWND SetFocus(HWND hwnd);
HWND GetFocus();
// Activation: WM_NCACTIVATE and WM_ACTIVATE to the window losing it, then
// (after the HCBT_ACTIVATE hook) to the window gaining it, whose default
// handling of WM_ACTIVATE gives it the focus.
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
bool SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();

// High bit: down; low bit: toggled (Caps Lock and the like).
short GetKeyState(int vk);
short GetAsyncKeyState(int vk);

}  // namespace ui
