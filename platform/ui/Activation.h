#pragma once
// Activation and focus bookkeeping (for the window system's own files).
#include "ui/WindowRecord.h"

namespace ui {

// A visible, enabled top-level window without WS_EX_NOACTIVATE.
bool CanActivate(const TWindow& w);
// Makes a top-level window the active one (how: WA_ACTIVE or WA_CLICKACTIVE);
// false when the hook refuses.
bool ActivateWindow(HWND hwnd, WORD how);
// The active window is being hidden, minimised or destroyed: its owner, or
// else the topmost window that can be, becomes active.
void ActivateOtherWindow(HWND leaving);
// A window is hidden or destroyed: the focus, when in it, goes to its parent.
void FocusLeaving(HWND hwnd);

}  // namespace ui
