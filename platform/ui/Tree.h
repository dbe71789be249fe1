#pragma once
// Walking the window tree and placing windows on the screen and in their
// top-level surface (for the window system's own files).
#include <vector>

#include "ui/WindowSystem.h"

namespace ui {

// The window system's data belongs to the main thread.
bool OnMainThread();
// The live local window, or null (also off the main thread).
TWindow* Win(HWND hwnd);

TWindow& TopLevelOf(const TWindow& w);
// The z-order list the window is in: its parent's children or the top-level list.
std::vector<HWND>& SiblingsOf(TWindow& w);
bool IsDescendant(HWND ancestor, HWND hwnd);
// WS_VISIBLE on the window and every ancestor.
bool VisibleChain(const TWindow& w);
// Redrawing is off for the window or an ancestor.
bool RedrawSuppressed(const TWindow& w);

// Where the window's top-left corner lies on the screen and in its
// top-level window's surface.
TPoint ScreenOrigin(const TWindow& w);
TPoint SurfaceOrigin(const TWindow& w);
// The client area's top-left corner on the screen.
TPoint ClientScreenOrigin(const TWindow& w);
TRect ScreenRect(const TWindow& w);

// Hands `hwnd` to f, then each descendant, parents before children.
template <typename F>
void ForEachInTree(HWND hwnd, F&& f) {
    TWindow* w = Win(hwnd);
    if (!w) return;
    f(*w);
    const std::vector<HWND> children = w->Children;
    for (HWND c : children) ForEachInTree(c, f);
}

}  // namespace ui
