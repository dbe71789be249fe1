#include "skin/sParentRequest.h"

#include "skin/sSkinColors.h"
#include "skin/sSkinCommands.h"
#include "skin/sSkinManager.h"
#include "ui/MessageLoop.h"
#include "ui/Window.h"
#include "vcl/TWinControl.h"

namespace skin {

namespace {

ui::LPARAM AsParam(BackgroundRequest& request) { return reinterpret_cast<ui::LPARAM>(&request); }

// Who is asked: the parent control (by its window when it has one) or, for a
// foreign parent, its window.
struct TAsked {
    vcl::TWinControl* Control = nullptr;
    ui::HWND Window = nullptr;

    ui::LRESULT Send(ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam) const {
        if (Control && !Control->HandleAllocated()) return Control->Perform(msg, wParam, lParam);
        return ui::SendMessage(Control ? Control->Handle() : Window, msg, wParam, lParam);
    }
};

// The parent as it paints itself, moved so that the request's offset lies at
// the DC's origin.
void PaintInto(const TAsked& asked, BackgroundRequest& request) {
    gfx::TCanvas& dc = *request.DC;
    const int saved = dc.SaveDC();
    const gfx::TPoint origin = dc.ViewportOrg();
    dc.SetViewportOrg(origin.X - request.X, origin.Y - request.Y);
    request.ClipRect = gfx::OffsetRect(request.ClipRect, request.X, request.Y);
    dc.IntersectClipRect(request.ClipRect);
    const auto target = reinterpret_cast<ui::WPARAM>(&dc);
    asked.Send(ui::WM_ERASEBKGND, target, 0);
    asked.Send(ui::WM_PAINT, target, 0);
    dc.RestoreDC(saved);
}

gfx::TColor ColorOf(const TAsked& asked) {
    if (!asked.Control) {
        // A foreign window knows no skin colour of its own.
        const TsSkinManager* manager = TsSkinManager::DefaultManager();
        return manager ? SkinBackColor(*manager) : gfx::clBtnFace;
    }
    const auto answer = gfx::TColor(asked.Send(SKIN_COMMAND_MESSAGE, SkinCommandWParam(SKC_GET_BG_COLOR), 0));
    return answer != 0 ? answer : asked.Control->Color();
}

void Ask(const TAsked& asked, BackgroundRequest& request, bool paint) {
    request.Kind = BackgroundRequest::Unanswered;
    const bool paintWanted = request.PaintNow != 0;
    request.PaintNow = paint ? 1 : 0;
    if (!asked.Control && !asked.Window) return;
    asked.Send(SKIN_COMMAND_MESSAGE, SkinCommandWParam(SKC_GET_BACKGROUND), AsParam(request));
    if (request.Kind != BackgroundRequest::Unanswered) return;
    if (paintWanted && request.DC) {
        PaintInto(asked, request);
        return;
    }
    request.Kind = BackgroundRequest::ColorKnown;
    request.Color = ColorOf(asked);
    if (paint && request.DC) {
        request.DC->Brush.Color = request.Color;
        request.DC->Brush.Style = gfx::bsSolid;
        request.DC->FillRect(request.ClipRect);
    }
}

}  // namespace

void RequestParentBackground(vcl::TControl& control, BackgroundRequest& request, bool paint) {
    TAsked asked;
    asked.Control = control.Parent();
    if (!asked.Control) {
        auto* windowed = dynamic_cast<vcl::TWinControl*>(&control);
        if (windowed && windowed->HandleAllocated()) asked.Window = ui::GetParent(windowed->Handle());
    }
    Ask(asked, request, paint);
}

void RequestWindowBackground(ui::HWND window, BackgroundRequest& request, bool paint) {
    TAsked asked;
    asked.Window = window ? ui::GetParent(window) : nullptr;
    Ask(asked, request, paint);
}

}  // namespace skin
