#pragma once
// The picture of a whole window, frame and controls, painted off the screen
// into one 32-bit bitmap: what the window animations show in place of the
// window while it fades or zooms.
#include "gfx/TBitmap.h"

namespace vcl {
class TControl;
}

namespace skinpaint {

class TsSkinProvider;

// Paints control and its visible child controls into picture with the
// control's top-left corner at (x, y). provider, when given, is the frame of
// the control (a form): its cached window picture stands for the form's own
// look. An invisible control shows what its parent has behind it.
void PaintWindowImage(gfx::TBitmap& picture, vcl::TControl& control, int x, int y, TsSkinProvider* provider);

// The whole window of the provider's form as it looks now, opaque, with the
// corners its region cuts off left fully transparent; empty while the form
// has no window or no picture of its frame.
gfx::TBitmap FormImage(TsSkinProvider& provider);

}  // namespace skinpaint
