#include "vcl/TCheckBox.h"

#include "ui/Input.h"
#include "ui/Keys.h"
#include "vcl/DrawHelpers.h"
#include "vcl/TClassBuilder.h"

namespace vcl {

const TClassInfo& TCheckControl::StaticClass() {
    static const TClassInfo& info =
        TClassBuilder<TCheckControl>("TCheckControl", TButtonControl::StaticClass())
            .Enum("Alignment", &TCheckControl::SetAlignment,
                  {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}})
            .Build();
    return info;
}

TCheckControl::TCheckControl(TComponent* owner) : TButtonControl(owner) {
    FWidth = 97;
    FHeight = 17;
    FControlStyle |= csParentBackground;
}

void TCheckControl::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    Invalidate();
}

TRect TCheckControl::BoxRect() const {
    const TRect c = ClientRect();
    const int top = (c.Height() - BoxSize) / 2;
    const int left = FAlignment == taLeftJustify ? c.Right - BoxSize - 1 : 1;
    return {left, top, left + BoxSize, top + BoxSize};
}

TRect TCheckControl::CaptionRect(gfx::TCanvas& canvas) const {
    const TRect c = ClientRect();
    const TRect box = BoxRect();
    TRect r = FAlignment == taLeftJustify ? TRect{c.Left + 1, c.Top, box.Left - 4, c.Bottom}
                                          : TRect{box.Right + 4, c.Top, c.Right - 1, c.Bottom};
    TRect calc = {0, 0, r.Width(), 0};
    const unsigned wrap = WordWrap() ? unsigned(gfx::DT_WORDBREAK) : unsigned(gfx::DT_SINGLELINE);
    canvas.DrawText(Caption(), calc, wrap | gfx::DT_CALCRECT);
    r.Top = (c.Height() - calc.Height()) / 2;
    r.Bottom = r.Top + calc.Height();
    r.Right = std::min(r.Right, r.Left + calc.Width());
    if (FAlignment == taLeftJustify) r = gfx::OffsetRect(r, box.Left - 4 - r.Right, 0);
    return r;
}

void TCheckControl::PaintWindow(ui::HDC dc) {
    gfx::TCanvas& canvas = *dc;
    canvas.Font = FFont.Handle();
    DrawBox(canvas, BoxRect());
    const TRect text = CaptionRect(canvas);
    canvas.Brush.Style = gfx::bsClear;
    const unsigned format = WordWrap() ? unsigned(gfx::DT_WORDBREAK) : unsigned(gfx::DT_SINGLELINE);
    TRect t = text;
    if (Enabled())
        canvas.DrawText(Caption(), t, format);
    else
        DrawDisabledText(canvas, Caption(), t, format);
    if (Focused() && !Caption().empty())
        DrawFocusRect(canvas, {text.Left - 1, text.Top - 1, text.Right + 1, text.Bottom + 1});
}

// --- TCheckBox

const TClassInfo& TCheckBox::StaticClass() {
    static const TClassInfo& info =
        TClassBuilder<TCheckBox>("TCheckBox", TCheckControl::StaticClass())
            .Creatable()
            .Bool("Checked", &TCheckBox::SetChecked)
            .Enum("State", &TCheckBox::SetState, {{"cbUnchecked", cbUnchecked}, {"cbChecked", cbChecked}, {"cbGrayed", cbGrayed}})
            .Bool("AllowGrayed", &TCheckBox::SetAllowGrayed)
            .Build();
    return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TCheckControl(owner) {}

void TCheckBox::SetState(TCheckBoxState state) {
    if (state == FState) return;
    FState = state;
    Invalidate();
    if (!(ComponentState() & csLoading)) Click();
}

void TCheckBox::Toggle() {
    switch (FState) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

void TCheckBox::DrawBox(gfx::TCanvas& canvas, const TRect& box) {
    TRect inner = box;
    Frame3D(canvas, inner, gfx::clBtnShadow, gfx::clBtnHighlight, 1);
    Frame3D(canvas, inner, gfx::cl3DDkShadow, gfx::cl3DLight, 1);
    canvas.Brush = {Pushed() || !Enabled() ? gfx::clBtnFace : gfx::clWindow, gfx::bsSolid};
    canvas.FillRect(inner);
    if (FState == cbUnchecked) return;
    const gfx::TColor color = FState == cbGrayed || !Enabled() ? gfx::clGrayText : gfx::clWindowText;
    canvas.Pen = {color, gfx::psSolid};
    // The tick: three pixels thick, from the left down to the bottom and up
    // to the right.
    const int x = inner.Left + 2, y = inner.Top + 4;
    for (int dy = 0; dy < 3; ++dy) {
        canvas.MoveTo(x, y + 1 + dy);
        canvas.LineTo(x + 2, y + 3 + dy);
        canvas.LineTo(x + 7, y - 2 + dy);
    }
}

// --- TRadioButton

const TClassInfo& TRadioButton::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TRadioButton>("TRadioButton", TCheckControl::StaticClass())
                                        .Creatable()
                                        .Bool("Checked", &TRadioButton::SetChecked)
                                        .Build();
    return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TCheckControl(owner) {
    FWidth = 113;
    SetTabStop(false);
}

void TRadioButton::SetChecked(bool value) {
    if (value == FChecked) return;
    FChecked = value;
    SetTabStop(value);
    Invalidate();
    if (!value) return;
    if (FParent)
        for (int i = 0; i < FParent->ControlCount(); ++i)
            if (auto* sibling = dynamic_cast<TRadioButton*>(FParent->Controls(i)); sibling && sibling != this)
                sibling->SetChecked(false);
    if (!(ComponentState() & csLoading)) Click();
}

void TRadioButton::WndProc(TMessage& m) {
    // Arriving by the keyboard (arrow keys, Tab) checks the button.
    if (m.Msg == ui::WM_SETFOCUS && ui::GetKeyState(ui::VK_LBUTTON) >= 0) {
        TCheckControl::WndProc(m);
        SetChecked(true);
        return;
    }
    TCheckControl::WndProc(m);
}

// A circle 12 pixels across: shadowed above and left, lit below and right,
// with a dot when checked.
void TRadioButton::DrawBox(gfx::TCanvas& canvas, const TRect& box) {
    const gfx::TColor face = Pushed() || !Enabled() ? gfx::clBtnFace : gfx::clWindow;
    const gfx::TColor dot = Enabled() ? gfx::clWindowText : gfx::clGrayText;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const double dx = x - 5.5, dy = y - 5.5, d2 = dx * dx + dy * dy;
            if (d2 > 36.0) continue;
            gfx::TColor color = face;
            if (d2 > 24.0) color = dx + dy < 0 ? gfx::clBtnShadow : gfx::clBtnHighlight;
            if (FChecked && d2 <= 4.0) color = dot;
            canvas.SetPixels(box.Left + x, box.Top + y, color);
        }
}

}  // namespace vcl
