#include "vcl/TButtonControl.h"

#include "ui/Input.h"
#include "ui/Keys.h"
#include "vcl/TClassBuilder.h"

namespace vcl {

const TClassInfo& TButtonControl::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TButtonControl>("TButtonControl", TWinControl::StaticClass())
                                        .Bool("WordWrap", &TButtonControl::SetWordWrap)
                                        .Build();
    return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    FControlStyle = csSetCaption | csDoubleClicks;
    FColor = gfx::clBtnFace;
    SetTabStop(true);
}

void TButtonControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    if (FWordWrap) params.Style |= BS_MULTILINE;
}

void TButtonControl::SetWordWrap(bool value) {
    if (value == FWordWrap) return;
    FWordWrap = value;
    RecreateWnd();
}

void TButtonControl::SetPushed(bool value) {
    if (value == FPushed) return;
    FPushed = value;
    Invalidate();
}

void TButtonControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case ui::WM_LBUTTONDOWN:
    case ui::WM_LBUTTONDBLCLK:
        TWinControl::WndProc(m);
        if (!FHandle) return;
        if (CanFocus() && !Focused()) SetFocus();
        FTracking = true;
        ui::SetCapture(FHandle);
        SetPushed(true);
        return;
    case ui::WM_MOUSEMOVE:
        TWinControl::WndProc(m);
        if (FTracking) {
            const TPoint p = ui::LParamToPoint(m.LParam);
            SetPushed(ClientRect().Contains(p.X, p.Y));
        }
        return;
    case ui::WM_LBUTTONUP: {
        TWinControl::WndProc(m);
        const bool click = FTracking && FPushed;
        FTracking = false;
        SetPushed(false);
        if (ui::GetCapture() == FHandle) ui::ReleaseCapture();
        if (click) ButtonClicked();
        return;
    }
    case ui::WM_CAPTURECHANGED:
    case ui::WM_KILLFOCUS:
    case ui::WM_CANCELMODE:
        FTracking = FSpaceDown = false;
        SetPushed(false);
        if (m.Msg == ui::WM_KILLFOCUS) Invalidate();
        break;
    case ui::WM_KEYDOWN:
        TWinControl::WndProc(m);
        if (m.WParam == ui::VK_SPACE && !FTracking) {
            FSpaceDown = true;
            SetPushed(true);
        }
        return;
    case ui::WM_KEYUP:
        TWinControl::WndProc(m);
        if (m.WParam == ui::VK_SPACE && FSpaceDown) {
            FSpaceDown = false;
            SetPushed(false);
            ButtonClicked();
        }
        return;
    case ui::WM_SETFOCUS:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
        TWinControl::WndProc(m);
        Invalidate();
        return;
    case ui::WM_GETDLGCODE:
        m.Result = DialogCode();
        return;
    case BM_GETSTATE:
        m.Result = LRESULT((FPushed ? WPARAM(BST_PUSHED) : 0u) | (Focused() ? WPARAM(BST_FOCUS) : 0u) | WPARAM(CheckState()));
        return;
    case ui::BM_SETSTATE:
        SetPushed(m.WParam != 0);
        return;
    case ui::BM_CLICK:
        ButtonClicked();
        return;
    case BM_GETCHECK:
        m.Result = CheckState();
        return;
    case BM_SETCHECK:
        SetCheckState(int(m.WParam));
        return;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

}  // namespace vcl
