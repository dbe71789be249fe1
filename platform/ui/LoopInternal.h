#pragma once
// The loop's own steps (for the window system's own files).
#include "ui/Types.h"

namespace ui {

// Runs what must not wait for a message: hand-overs from other threads,
// requests from other processes, native events, due internal timers.
void PumpSystemWork();
// Waits until a message for the filter may be there, a hand-over arrived, or
// the next timer is due. On the test clock a wait for a timer moves the clock
// there instead of sleeping.
void WaitForWork(HWND filter, UINT filterMin, UINT filterMax);

}  // namespace ui
