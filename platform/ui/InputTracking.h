#pragma once
// TrackMouseEvent's bookkeeping (for the window system's own files).
#include "ui/Types.h"

namespace ui {

// The cursor is now over `under` with hit-test code `hit`: posts the leave
// message when it left the tracked area and restarts the hover wait when it
// moved out of the hover rectangle.
void UpdateTracking(HWND under, LRESULT hit);
void StartHoverTimer();
void StopHoverTimer();

}  // namespace ui
