#pragma once
// Painting: device contexts of windows, the update region, and the paint
// messages. A DC is a canvas over the window's part of its top-level surface,
// clipped to what is visible of the window (children and siblings above are
// always clipped out); drawing shows on screen when the DC is released.
#include "ui/Messages.h"

namespace gfx {
class TRegion;
}

namespace ui {

// RedrawWindow
inline constexpr UINT RDW_INVALIDATE = 0x0001;
inline constexpr UINT RDW_INTERNALPAINT = 0x0002;
inline constexpr UINT RDW_ERASE = 0x0004;
inline constexpr UINT RDW_VALIDATE = 0x0008;
inline constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
inline constexpr UINT RDW_NOERASE = 0x0020;
inline constexpr UINT RDW_NOCHILDREN = 0x0040;
inline constexpr UINT RDW_ALLCHILDREN = 0x0080;
inline constexpr UINT RDW_UPDATENOW = 0x0100;
inline constexpr UINT RDW_ERASENOW = 0x0200;
inline constexpr UINT RDW_FRAME = 0x0400;
inline constexpr UINT RDW_NOFRAME = 0x0800;

// GetDCEx
inline constexpr DWORD DCX_WINDOW = 0x1;
inline constexpr DWORD DCX_CACHE = 0x2;
inline constexpr DWORD DCX_CLIPCHILDREN = 0x8;
inline constexpr DWORD DCX_CLIPSIBLINGS = 0x10;
inline constexpr DWORD DCX_PARENTCLIP = 0x20;
inline constexpr DWORD DCX_EXCLUDERGN = 0x40;
inline constexpr DWORD DCX_INTERSECTRGN = 0x80;

HDC GetDC(HWND hwnd);        // client area; null gives a screen DC to draw nothing on
HDC GetWindowDC(HWND hwnd);  // whole window, origin at its top-left corner
// DCX_WINDOW, DCX_INTERSECTRGN and DCX_EXCLUDERGN (region in window or client
// coordinates like the DC); the other flags are always in effect.
HDC GetDCEx(HWND hwnd, const gfx::TRegion* region, DWORD flags);
int ReleaseDC(HWND hwnd, HDC dc);
// The window a DC of GetDC, GetWindowDC, GetDCEx or BeginPaint draws on; null
// for any other canvas and for a DC already released.
HWND WindowFromDC(HDC dc);

// Sends WM_NCPAINT when the frame is invalid and WM_ERASEBKGND when the
// background is, and validates the window.
HDC BeginPaint(HWND hwnd, TPaintStruct& ps);
bool EndPaint(HWND hwnd, const TPaintStruct& ps);

// Client coordinates; null rectangle or region means the whole client area
// (the whole window with RDW_FRAME).
bool RedrawWindow(HWND hwnd, const TRect* rect, const gfx::TRegion* region, UINT flags);
bool InvalidateRect(HWND hwnd, const TRect* rect, bool erase);
// Paints the window and its children now when they are invalid.
bool UpdateWindow(HWND hwnd);
bool GetUpdateRect(HWND hwnd, TRect& rect, bool erase);

// The bounds of what a DC can draw on, in its logical coordinates; returns the
// kind of region.
int GetClipBox(HDC dc, TRect& rect);

// Draws an icon (straight alpha) blended into the DC, scaled to width x
// height (0 for its own size).
bool DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height);
// IDI_APPLICATION, the picture for windows without an icon of their own.
HICON DefaultApplicationIcon();

}  // namespace ui
