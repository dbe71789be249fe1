#include "vcl/TPanel.h"

#include "vcl/DrawHelpers.h"
#include "vcl/TClassBuilder.h"

namespace vcl {

namespace {

const TIdentTable BevelNames = {{"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}};

}  // namespace

const TClassInfo& TCustomPanel::StaticClass() {
    static const TClassInfo& info =
        TClassBuilder<TCustomPanel>("TCustomPanel", TCustomControl::StaticClass())
            .Enum("BevelInner", &TCustomPanel::SetBevelInner, BevelNames)
            .Enum("BevelOuter", &TCustomPanel::SetBevelOuter, BevelNames)
            .Int("BevelWidth", &TCustomPanel::SetBevelWidth)
            .Enum("Alignment", &TCustomPanel::SetAlignment,
                  {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}})
            .Build();
    return info;
}

const TClassInfo& TPanel::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TPanel>("TPanel", TCustomPanel::StaticClass()).Creatable().Build();
    return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csDoubleClicks |
                    csReplicatable;
    FWidth = 185;
    FHeight = 41;
    FColor = gfx::clBtnFace;
}

void TCustomPanel::SetBevelInner(TPanelBevel value) {
    FBevelInner = value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TPanelBevel value) {
    FBevelOuter = value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int value) {
    FBevelWidth = value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment value) {
    FAlignment = value;
    Invalidate();
}

void TCustomPanel::Paint() {
    gfx::TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    auto bevel = [&](TPanelBevel kind) {
        if (kind == bvNone) return;
        if (kind == bvSpace) {
            Frame3D(canvas, r, FColor, FColor, FBevelWidth);
            return;
        }
        const bool lowered = kind == bvLowered;
        Frame3D(canvas, r, lowered ? gfx::clBtnShadow : gfx::clBtnHighlight,
                lowered ? gfx::clBtnHighlight : gfx::clBtnShadow, FBevelWidth);
    };
    bevel(FBevelOuter);
    bevel(FBevelInner);
    canvas.Brush = {FColor, gfx::bsSolid};
    canvas.FillRect(r);
    canvas.Brush.Style = gfx::bsClear;
    canvas.Font = FFont.Handle();
    const unsigned align = FAlignment == taCenter ? gfx::DT_CENTER : FAlignment == taRightJustify ? gfx::DT_RIGHT : 0u;
    canvas.DrawText(Caption(), r, align | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_EXPANDTABS);
}

}  // namespace vcl
