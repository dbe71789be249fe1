#pragma once
// Asking a control's parent what lies behind the control. The parent's
// binding answers SKC_GET_BACKGROUND; a parent that does not answer is either
// painted into the request's DC (when the request asks for that) or reports
// only its colour.
#include "skin/sBackgroundRequest.h"
#include "ui/Types.h"

namespace vcl {
class TControl;
}

namespace skin {

// The request goes to the control's parent: through the parent's window when
// it has one, else as a direct call. A control without a parent object but
// with a window asks its window's parent window. `paint` replaces the
// request's PaintNow for the question; the remembered one decides whether an
// unanswered parent paints itself into DC.
void RequestParentBackground(vcl::TControl& control, BackgroundRequest& request, bool paint);
// The same for a window without a control: its parent window is asked.
void RequestWindowBackground(ui::HWND window, BackgroundRequest& request, bool paint);

}  // namespace skin
