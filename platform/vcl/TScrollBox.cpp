#include "vcl/TScrollBox.h"

#include <algorithm>

#include "ui/Styles.h"
#include "vcl/TClassBuilder.h"

namespace vcl {

const TClassInfo& TControlScrollBar::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TControlScrollBar>("TControlScrollBar", TPersistent::StaticClass())
                                        .Int("Range", &TControlScrollBar::SetRange)
                                        .Int("Increment", &TControlScrollBar::SetIncrement)
                                        .Bool("Tracking", &TControlScrollBar::SetTracking)
                                        .Bool("Visible", &TControlScrollBar::SetVisible)
                                        .Build();
    return info;
}

const TClassInfo& TScrollBox::StaticClass() {
    static const TClassInfo& info =
        TClassBuilder<TScrollBox>("TScrollBox", TWinControl::StaticClass())
            .Creatable()
            .Object("HorzScrollBar", &TScrollBox::HorzScrollBar)
            .Object("VertScrollBar", &TScrollBox::VertScrollBar)
            .Enum("BorderStyle", &TScrollBox::SetBorderStyle, {{"bsNone", bsNoBorder}, {"bsSingle", bsSingleBorder}})
            .Build();
    return info;
}

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) {
    FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    FWidth = 185;
    FHeight = 41;
    FColor = gfx::clBtnFace;
}

void TScrollBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    if (FBorderStyle == bsSingleBorder) params.ExStyle |= ui::WS_EX_CLIENTEDGE;
}

void TScrollBox::SetBorderStyle(TBorderStyle value) {
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    RecreateWnd();
}

void TScrollBox::AlignControls(TControl* control, TRect& rect) {
    TWinControl::AlignControls(control, rect);
    UpdateScrollRanges();
}

// The children's extent, measured as if nothing were scrolled.
void TScrollBox::UpdateScrollRanges() {
    if (FUpdating || !HandleAllocated()) return;
    FUpdating = true;
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* c = Controls(i);
        if (!c->Visible()) continue;
        right = std::max(right, c->Left() + c->Width() + FShown.X);
        bottom = std::max(bottom, c->Top() + c->Height() + FShown.Y);
    }
    // The bars take room from each other: settle the vertical one on the
    // view it leaves.
    for (int pass = 0; pass < 2; ++pass) {
        const TRect client = ClientRect();
        FBars.SetRange(sbHorizontal, FHorz.Visible ? (FHorz.Range > 0 ? FHorz.Range : right) : 0, client.Width());
        FBars.SetRange(sbVertical, FVert.Visible ? (FVert.Range > 0 ? FVert.Range : bottom) : 0, client.Height());
    }
    FBars.SetLineSize(sbHorizontal, FHorz.Increment);
    FBars.SetLineSize(sbVertical, FVert.Increment);
    ScrollTo(ScrollPos());
    FUpdating = false;
}

void TScrollBox::ScrollTo(TPoint position) {
    const int dx = FShown.X - position.X, dy = FShown.Y - position.Y;
    if (dx == 0 && dy == 0) return;
    FShown = position;
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    }
    EnableAlign();
    Invalidate();
}

void TScrollBox::ScrollInView(TControl* control) {
    if (!control || control->Parent() != this) return;
    const TRect client = ClientRect();
    TPoint target = ScrollPos();
    if (control->Left() < 0) target.X += control->Left();
    if (control->Left() + control->Width() > client.Right) target.X += control->Left() + control->Width() - client.Right;
    if (control->Top() < 0) target.Y += control->Top();
    if (control->Top() + control->Height() > client.Bottom) target.Y += control->Top() + control->Height() - client.Bottom;
    FBars.SetPosition(sbHorizontal, target.X);
    FBars.SetPosition(sbVertical, target.Y);
    ScrollTo(ScrollPos());
}

void TScrollBox::WndProc(TMessage& m) {
    if (FBars.HandleMessage(m)) return;
    switch (m.Msg) {
    case ui::WM_VSCROLL:
    case ui::WM_HSCROLL: {
        const TControlScrollBar& bar = m.Msg == ui::WM_VSCROLL ? FVert : FHorz;
        if (ui::LOWORD(m.WParam) != SB_THUMBTRACK || bar.Tracking) ScrollTo(ScrollPos());
        return;
    }
    case ui::WM_MOUSEWHEEL: {
        const int delta = int16_t(ui::HIWORD(m.WParam));
        FBars.SetPosition(sbVertical, FBars.Position(sbVertical) - delta / ui::WHEEL_DELTA * 3 * FVert.Increment);
        ScrollTo(ScrollPos());
        m.Result = 1;
        return;
    }
    case ui::WM_SIZE:
    case CM_CONTROLCHANGE:
        TWinControl::WndProc(m);
        UpdateScrollRanges();
        return;
    default: break;
    }
    TWinControl::WndProc(m);
}

}  // namespace vcl
