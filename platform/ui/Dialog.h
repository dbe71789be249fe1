#pragma once
// Keyboard navigation of a dialog's controls, as the platform's dialog
// manager does it: Tab and Shift+Tab go from tab stop to tab stop, the arrow
// keys move within a group, Enter presses the default button, Escape the
// cancel button, Alt with a mnemonic the control it names. A control keeps the
// keys it asks for with WM_GETDLGCODE.
#include "ui/Types.h"

namespace ui {

inline constexpr WORD BN_CLICKED = 0;

// Handles a message for the dialog or one of its controls, translating and
// dispatching it when navigation does not use it. Returns false only for
// messages that belong to other windows.
bool IsDialogMessage(HWND dialog, const TMsg& msg);
// The next (or previous) enabled, visible control with WS_TABSTOP, wrapping
// around; controls inside WS_EX_CONTROLPARENT children count as the dialog's.
HWND GetNextDlgTabItem(HWND dialog, HWND control, bool previous);
// The next (or previous) enabled, visible control of the control's group
// (from a WS_GROUP control up to the next one), wrapping around.
HWND GetNextDlgGroupItem(HWND dialog, HWND control, bool previous);

}  // namespace ui
