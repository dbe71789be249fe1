#pragma once
// Painting bookkeeping (for the window system's own files).
#include "gfx/TRegion.h"
#include "ui/WindowRecord.h"

namespace ui {

// What of a window can be drawn on: its rectangle (or client area) less
// children and siblings above it, within every ancestor's client area and the
// window regions; empty while the window or an ancestor is hidden or has
// redrawing off. Window or client coordinates.
gfx::TRegion VisibleRegion(const TWindow& w, bool client);
// Adds an area (window coordinates) to the update region as the RDW_ flags
// say, and to the children's with RDW_ALLCHILDREN.
void InvalidateArea(TWindow& w, const gfx::TRegion& area, UINT flags);
// The whole window with frame and children, erased.
void InvalidateWhole(TWindow& w);
// Repaints what a child covered in its parent (parent's client coordinates).
void ExposeInParent(TWindow& child, const TRect& rect);
// The surface matches the top-level window's size (new parts are black).
void FitSurface(TWindow& top);
// Shows painted pixels of a top-level surface.
void PresentSurface(TWindow& top, const TRect& area);
// Forgets DCs of a window that is gone.
void ForgetDCs(HWND hwnd);

// The first window (parents before children, top-level windows in z-order)
// that needs painting, within `filter` and its descendants when given.
TWindow* NextWindowToPaint(HWND filter);
// Whether the window needs WM_PAINT, not just its frame.
bool NeedsPaintMessage(const TWindow& w);
// Sends WM_NCPAINT for a window whose frame alone is invalid.
void PaintFrameOnly(HWND hwnd);
// Calls the window procedure with WM_PAINT; a procedure that did not paint
// leaves its window valid all the same, so that a forgotten BeginPaint
// cannot keep the loop from its timers.
void DeliverPaint(HWND hwnd, bool sent);

}  // namespace ui
