#pragma once
// The plain frame a window gets when nobody answers WM_NCPAINT: the classic
// raised border, a caption band with the icon, the text and the title
// buttons, client edges and scroll-bar places (for the window system's own
// files).
#include "ui/WindowRecord.h"

namespace ui {

// Draws into a DC whose origin is the window's top-left corner, leaving the
// client area alone.
void PaintDefaultFrame(const TWindow& w, HDC dc);
// Draws the frame now through a window DC (WM_NCPAINT, WM_NCACTIVATE and
// caption-button presses).
void RedrawDefaultFrame(HWND hwnd);
// The icon the caption shows: the window's, its class's, or the default one.
HICON CaptionIcon(const TWindow& w);

}  // namespace ui
