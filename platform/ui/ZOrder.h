#pragma once
// The order of siblings (for the window system's own files). Top-level
// windows keep two bands, topmost windows above the others; a window placed
// after another joins that one's band, as on the original platform. Owned
// windows stay above their owner.
#include "ui/WindowRecord.h"

namespace ui {

// Inserts an unlinked window at the place insertAfter names: HWND_TOP,
// HWND_BOTTOM, HWND_TOPMOST, HWND_NOTOPMOST or a sibling to go below.
void LinkWindow(TWindow& w, HWND insertAfter);
void UnlinkWindow(TWindow& w);
// Moves a linked window; returns whether the order (or its band) changed.
bool PlaceWindow(TWindow& w, HWND insertAfter);
// Puts the windows w owns directly above it, keeping their own order.
void RaiseOwnedWindows(TWindow& w);

}  // namespace ui
