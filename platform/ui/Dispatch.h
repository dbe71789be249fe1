#pragma once
// Calling a window's procedure (for the window system's own files): every
// message a window receives passes through here, which keeps InSendMessage
// right and stops at windows that are gone.
#include "ui/Types.h"

namespace ui {

LRESULT CallProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool sent);
// Sends to every ancestor of a child window that wants to hear of it
// (WM_PARENTNOTIFY), nearest first.
void NotifyParents(HWND child, UINT event);

}  // namespace ui
