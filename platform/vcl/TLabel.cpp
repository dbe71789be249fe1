#include "vcl/TLabel.h"

#include <cctype>

#include "vcl/DrawHelpers.h"
#include "vcl/ShortCuts.h"
#include "vcl/TClassBuilder.h"
#include "vcl/TWinControl.h"

namespace vcl {

const TClassInfo& TCustomLabel::StaticClass() {
    static const TClassInfo& info =
        TClassBuilder<TCustomLabel>("TCustomLabel", TGraphicControl::StaticClass())
            .Enum("Alignment", &TCustomLabel::SetAlignment,
                  {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}})
            .Enum("Layout", &TCustomLabel::SetLayout, {{"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}})
            .Bool("WordWrap", &TCustomLabel::SetWordWrap)
            .Bool("Transparent", &TCustomLabel::SetTransparent)
            .Bool("ShowAccelChar", &TCustomLabel::SetShowAccelChar)
            .Reference<TWinControl>("FocusControl", &TCustomLabel::SetFocusControl)
            .Build();
    return info;
}

const TClassInfo& TLabel::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TLabel>("TLabel", TCustomLabel::StaticClass()).Creatable().Build();
    return info;
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
    FControlStyle |= csOpaque | csReplicatable;
    FWidth = 65;
    FHeight = 17;
    FAutoSize = true;
    FParentColor = true;
}

void TCustomLabel::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value) {
    if (value == FLayout) return;
    FLayout = value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
    if (value == FWordWrap) return;
    FWordWrap = value;
    AdjustSize();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
    if (value == Transparent()) return;
    if (value)
        FControlStyle &= ~csOpaque;
    else
        FControlStyle |= csOpaque;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
    if (value == FShowAccelChar) return;
    FShowAccelChar = value;
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* control) {
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = control;
    if (control) control->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl) FFocusControl = nullptr;
}

unsigned TCustomLabel::DrawStyle() const {
    unsigned style = gfx::DT_EXPANDTABS | (FWordWrap ? unsigned(gfx::DT_WORDBREAK) : 0u);
    if (FAlignment == taRightJustify) style |= gfx::DT_RIGHT;
    if (FAlignment == taCenter) style |= gfx::DT_CENTER;
    return style;
}

void TCustomLabel::DoDrawText(TRect& rect, unsigned flags) {
    gfx::TCanvas& canvas = Canvas();
    std::string text = Caption();
    // An empty caption still measures one line high.
    if ((flags & gfx::DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == "&"))) text += ' ';
    if (!FShowAccelChar) flags |= gfx::DT_NOPREFIX;
    if (UseRightToLeftReading()) flags |= gfx::DT_RTLREADING;
    canvas.Font = FFont.Handle();
    if (!Enabled() && !(flags & gfx::DT_CALCRECT))
        DrawDisabledText(canvas, text, rect, flags);
    else
        canvas.DrawText(text, rect, flags);
}

void TCustomLabel::Paint() {
    gfx::TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    if (!Transparent()) {
        canvas.Brush = {FColor, gfx::bsSolid};
        canvas.FillRect(client);
    }
    canvas.Brush.Style = gfx::bsClear;
    TRect r = client;
    const unsigned style = DrawStyle();
    if (FLayout != tlTop) {
        TRect calc = r;
        DoDrawText(calc, style | gfx::DT_CALCRECT);
        const int dy = FLayout == tlBottom ? FHeight - calc.Bottom : (FHeight - calc.Bottom) / 2;
        r = gfx::OffsetRect(r, 0, dy);
    }
    DoDrawText(r, style);
}

// The label takes the size of its text; a right-aligned label keeps its
// right edge.
void TCustomLabel::AdjustSize() {
    if (!FAutoSize || (ComponentState() & csReading)) return;
    TRect r = ClientRect();
    if (!FWordWrap) r.Right = r.Left + 0x7FFF;
    DoDrawText(r, (DrawStyle() & ~unsigned(gfx::DT_RIGHT | gfx::DT_CENTER)) | gfx::DT_CALCRECT);
    int x = FLeft;
    if (FAlignment == taRightJustify) x += FWidth - r.Right;
    SetBounds(x, FTop, r.Right, r.Bottom);
}

void TCustomLabel::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CM_TEXTCHANGED:
        Invalidate();
        AdjustSize();
        return;
    case CM_DIALOGCHAR:
        if (FFocusControl && Enabled() && FShowAccelChar && GetHotkey(Caption()) &&
            GetHotkey(Caption()) == char(std::toupper(int(m.WParam))) && FFocusControl->CanFocus()) {
            FFocusControl->SetFocus();
            m.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(m);
}

}  // namespace vcl
