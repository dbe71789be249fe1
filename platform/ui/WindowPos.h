#pragma once
// Where windows are, their size, z-order and show state, and coordinate
// conversions. Rectangles of top-level windows are in screen coordinates,
// those of child windows in their parent's client coordinates.
#include "ui/Types.h"

namespace gfx {
class TRegion;
}

namespace ui {

// Sends WM_WINDOWPOSCHANGING (whose handler may change the record), then
// WM_NCCALCSIZE when the size or frame changes, and WM_WINDOWPOSCHANGED, whose
// default handling sends WM_MOVE and WM_SIZE. Activates a top-level window
// unless SWP_NOACTIVATE. A call that changes nothing sends nothing.
bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
// Returns whether the window was visible before.
bool ShowWindow(HWND hwnd, int cmd);
bool BringWindowToTop(HWND hwnd);

TRect GetWindowRect(HWND hwnd);  // screen coordinates
TRect GetClientRect(HWND hwnd);  // client coordinates: (0, 0, width, height)
TPoint ClientToScreen(HWND hwnd, TPoint p);
TPoint ScreenToClient(HWND hwnd, TPoint p);
// From the client coordinates of one window to another's; null is the screen.
TPoint MapWindowPoints(HWND from, HWND to, TPoint p);
TRect MapWindowRect(HWND from, HWND to, const TRect& r);

struct TWindowPlacement {
    UINT ShowCmd = 1;
    TRect NormalPosition;
};
bool GetWindowPlacement(HWND hwnd, TWindowPlacement& placement);
bool SetWindowPlacement(HWND hwnd, const TWindowPlacement& placement);

// The deepest visible, enabled window under a screen point, asking each
// window's WM_NCHITTEST so that HTTRANSPARENT passes the point further down.
HWND WindowFromPoint(TPoint screen);
// The child of `parent` under a point of its client area (the parent itself
// when no child is there, null outside it).
HWND ChildWindowFromPoint(HWND parent, TPoint client);

// Window regions in window coordinates; null removes the region.
bool SetWindowRgn(HWND hwnd, const gfx::TRegion* region, bool redraw);
// The kind of region (gfx::NULLREGION ...), 0 (ERROR) when the window has none.
int GetWindowRgn(HWND hwnd, gfx::TRegion& region);

}  // namespace ui
