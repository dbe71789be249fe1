#pragma once
// Finding the window under a screen point (for the window system's own
// files): top-level windows in z-order through their regions and layered
// pictures, then the children, then WM_NCHITTEST, where HTTRANSPARENT sends
// the search on below the window that answered it.
#include "ui/Types.h"

namespace ui {

// `first` is the top-level window the native system delivered the point to
// (null: search all in z-order). A disabled top-level window answers
// HTERROR without being asked.
HWND FindWindowAt(TPoint screen, HWND first, LRESULT& hit);

}  // namespace ui
