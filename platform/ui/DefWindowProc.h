#pragma once
// What windows do with a message their own procedure leaves alone: the
// non-client frame (size, hit test, painting, activation look), caption and
// border dragging, the system commands, closing, the default painting and
// erasing, focus on activation, and passing mouse wheel, context menu and
// cursor requests up to the parent.
#include "ui/Types.h"

namespace ui {

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The procedure of the dialog class "#32770": the dialog procedure stored at
// DWLP_DLGPROC answers first (its result in DWLP_MSGRESULT), then the dialog
// defaults (Escape and the close box send WM_COMMAND IDCANCEL).
using DLGPROC = LONG_PTR (*)(HWND, UINT, WPARAM, LPARAM);
LRESULT DefDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace ui
