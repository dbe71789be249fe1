#pragma once
// The default handling of system commands and of presses on the caption
// buttons (for the window system's own files). Top-level windows carry no
// frame of the desktop's, so moving by the caption and sizing by the border
// are ours too: a modal loop that follows the mouse (or the arrow keys).
#include "ui/Types.h"

namespace ui {

void DefaultSysCommand(HWND hwnd, WPARAM command, LPARAM lParam);
// Tracks a press on a caption button of the default frame; returns whether
// the button was released over itself.
bool TrackCaptionButton(HWND hwnd, LRESULT hit);
// Where the system menu opens for the keyboard or the caption icon.
TPoint SystemMenuPoint(HWND hwnd);

}  // namespace ui
