#include "vcl/TGraphicControl.h"

#include "vcl/TClassBuilder.h"

namespace vcl {

const TClassInfo& TGraphicControl::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TGraphicControl>("TGraphicControl", TControl::StaticClass()).Build();
    return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& m) {
    if (m.Msg == ui::WM_PAINT && m.WParam) {
        gfx::TCanvas* dc = reinterpret_cast<gfx::TCanvas*>(m.WParam);
        TControlCanvas::TPaintScope scope(FCanvas, dc);
        dc->Font = FFont.Handle();
        dc->Brush = {FColor, gfx::bsSolid};
        dc->Pen = {gfx::clBlack, gfx::psSolid};
        Paint();
        return;
    }
    TControl::WndProc(m);
}

}  // namespace vcl
