#pragma once
// The default frame's geometry (for the window system's own files): border
// and caption sizes by style, the client rectangle, where the caption's
// icon and buttons are, and the default hit test.
#include "ui/Messages.h"
#include "ui/WindowRecord.h"

namespace ui {

// The outer border: sizing frame, dialog frame, thin border or none.
int FrameWidth(DWORD style, DWORD exStyle);
// 0 without a caption; the small caption for tool windows.
int CaptionHeight(DWORD style, DWORD exStyle);
// The default WM_NCCALCSIZE: the client rectangle for a window rectangle.
TRect DefaultClientRect(const TRect& window, DWORD style, DWORD exStyle);

struct TCaptionLayout {
    TRect Band;  // the caption, window coordinates
    TRect Icon;  // empty when no icon is shown
    TRect Close, Maximize, Minimize, Help;  // empty when not shown
    TRect Text;
};
TCaptionLayout CaptionLayout(const TWindow& w);

// The size limits WM_GETMINMAXINFO gives, starting from the platform's
// defaults for the window's frame.
TMinMaxInfo AskMinMaxInfo(HWND hwnd);

// WM_NCHITTEST as the default frame answers it; `screen` in screen coordinates.
LRESULT DefaultHitTest(const TWindow& w, TPoint screen);

}  // namespace ui
