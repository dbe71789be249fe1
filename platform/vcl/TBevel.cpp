#include "vcl/TBevel.h"

#include "vcl/DrawHelpers.h"
#include "vcl/TClassBuilder.h"

namespace vcl {

const TClassInfo& TBevel::StaticClass() {
    static const TClassInfo& info =
        TClassBuilder<TBevel>("TBevel", TGraphicControl::StaticClass())
            .Creatable()
            .Enum("Shape", &TBevel::SetShape,
                  {{"bsBox", bsBox}, {"bsFrame", bsFrame}, {"bsTopLine", bsTopLine}, {"bsBottomLine", bsBottomLine},
                   {"bsLeftLine", bsLeftLine}, {"bsRightLine", bsRightLine}, {"bsSpacer", bsSpacer}})
            .Enum("Style", &TBevel::SetStyle, {{"bsLowered", bsLowered}, {"bsRaised", bsRaised}})
            .Build();
    return info;
}

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
    FControlStyle |= csReplicatable;
    FWidth = FHeight = 50;
}

void TBevel::SetShape(TBevelShape value) {
    FShape = value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
    FStyle = value;
    Invalidate();
}

// Lowered: shadow above and left of the light line; raised the other way.
void TBevel::Paint() {
    gfx::TCanvas& canvas = Canvas();
    const gfx::TColor first = FStyle == bsLowered ? gfx::clBtnShadow : gfx::clBtnHighlight;
    const gfx::TColor second = FStyle == bsLowered ? gfx::clBtnHighlight : gfx::clBtnShadow;
    const int w = FWidth, h = FHeight;
    auto line = [&](gfx::TColor color, const TRect& r) {
        canvas.Brush = {color, gfx::bsSolid};
        canvas.FillRect(r);
    };
    switch (FShape) {
    case bsBox: {
        TRect r = ClientRect();
        Frame3D(canvas, r, first, second, 1);
        break;
    }
    case bsFrame: {
        TRect outer{0, 0, w - 1, h - 1};
        canvas.Brush = {second, gfx::bsSolid};
        canvas.FrameRect({1, 1, w, h});
        canvas.Brush.Color = first;
        canvas.FrameRect(outer);
        break;
    }
    case bsTopLine:
        line(first, {0, 0, w, 1});
        line(second, {0, 1, w, 2});
        break;
    case bsBottomLine:
        line(first, {0, h - 2, w, h - 1});
        line(second, {0, h - 1, w, h});
        break;
    case bsLeftLine:
        line(first, {0, 0, 1, h});
        line(second, {1, 0, 2, h});
        break;
    case bsRightLine:
        line(first, {w - 2, 0, w - 1, h});
        line(second, {w - 1, 0, w, h});
        break;
    case bsSpacer: break;
    }
}

}  // namespace vcl
