#pragma once
// The headless desktop's compositor.
#include "gfx/TBitmap.h"
#include "ui/WindowRecord.h"

namespace ui {

// Every shown top-level window, bottom to top, over the desktop colour.
gfx::TBitmap ComposeDesktop(TSize screen);
// What one window shows, with straight alpha (0 outside its region).
gfx::TBitmap WindowPicture(const TWindow& w);

}  // namespace ui
