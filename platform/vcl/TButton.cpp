#include "vcl/TButton.h"

#include <cctype>

#include "ui/Keys.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "vcl/DrawHelpers.h"
#include "vcl/ShortCuts.h"
#include "vcl/TClassBuilder.h"

namespace vcl {

const TClassInfo& TButton::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TButton>("TButton", TButtonControl::StaticClass())
                                        .Creatable()
                                        .Bool("Default", &TButton::SetDefault)
                                        .Bool("Cancel", &TButton::SetCancel)
                                        .Int("ModalResult", &TButton::SetModalResult)
                                        .Build();
    return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    FWidth = 75;
    FHeight = 25;
}

void TButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    FActive = FDefault;
    params.Style |= FActive ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool value) {
    if (value == FDefault) return;
    FDefault = value;
    if (TCustomForm* form = GetParentForm(this); form && FHandle)
        form->Perform(CM_FOCUSCHANGED, 0, LPARAM(form->ActiveControl()));
}

void TButton::SetButtonStyle(bool isDefault) {
    if (!FHandle) return;
    const auto style = ui::GetWindowLongPtr(FHandle, ui::GWL_STYLE);
    const auto wanted = (style & ~LPARAM(BS_TYPEMASK)) | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    if (wanted == style) return;
    ui::SetWindowLongPtr(FHandle, ui::GWL_STYLE, wanted);
    Invalidate();
}

ui::LRESULT TButton::DialogCode() const {
    return ui::DLGC_BUTTON | (FActive ? ui::DLGC_DEFPUSHBUTTON : ui::DLGC_UNDEFPUSHBUTTON);
}

void TButton::Click() {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
    TButtonControl::Click();
}

void TButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CM_FOCUSCHANGED: {
        const TControl* focused = reinterpret_cast<const TControl*>(m.LParam);
        FActive = dynamic_cast<const TButton*>(focused) ? focused == this : FDefault;
        SetButtonStyle(FActive);
        break;
    }
    case CM_DIALOGKEY:
        if (((m.WParam == ui::VK_RETURN && FActive) || (m.WParam == ui::VK_ESCAPE && FCancel)) &&
            (KeyDataToShiftState(m.LParam) & (ssShift | ssCtrl | ssAlt)) == 0 && CanFocus()) {
            Click();
            m.Result = 1;
            return;
        }
        break;
    case CM_DIALOGCHAR:
        if (const char key = GetHotkey(Caption()); key && key == char(std::toupper(int(m.WParam))) && CanFocus()) {
            Click();
            m.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TButtonControl::WndProc(m);
}

// The plain button look: a black ring when it is the default button, a
// raised 3-D frame (sunken while pushed), the caption centred, and the focus
// rectangle inside.
void TButton::PaintWindow(ui::HDC dc) {
    gfx::TCanvas& canvas = *dc;
    TRect r = ClientRect();
    canvas.Brush = {FColor, gfx::bsSolid};
    canvas.FillRect(r);
    if (FActive || Pushed()) {
        canvas.Brush.Color = gfx::clWindowFrame;
        canvas.FrameRect(r);
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
    if (Pushed()) {
        canvas.Brush.Color = gfx::clBtnShadow;
        canvas.FrameRect(r);
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    } else {
        TRect outer = r;
        Frame3D(canvas, outer, gfx::clBtnHighlight, gfx::cl3DDkShadow, 1);
        Frame3D(canvas, outer, gfx::cl3DLight, gfx::clBtnShadow, 1);
    }
    canvas.Font = FFont.Handle();
    canvas.Brush.Style = gfx::bsClear;
    const unsigned format = gfx::DT_CENTER | (WordWrap() ? unsigned(gfx::DT_WORDBREAK) : unsigned(gfx::DT_SINGLELINE));
    TRect text = ClientRect();
    if (WordWrap()) {
        TRect calc = {0, 0, text.Width() - 8, 0};
        canvas.DrawText(Caption(), calc, format | gfx::DT_CALCRECT);
        text.Top = (text.Height() - calc.Height()) / 2;
        text.Bottom = text.Top + calc.Height();
    }
    if (Pushed()) text = gfx::OffsetRect(text, 1, 1);
    const unsigned vertical = WordWrap() ? 0u : unsigned(gfx::DT_VCENTER);
    if (Enabled())
        canvas.DrawText(Caption(), text, format | vertical);
    else
        DrawDisabledText(canvas, Caption(), text, format | vertical);
    if (Focused()) {
        canvas.Font.Color = gfx::clBtnText;
        const TRect c = ClientRect();
        DrawFocusRect(canvas, {c.Left + 4, c.Top + 4, c.Right - 4, c.Bottom - 4});
    }
}

}  // namespace vcl
