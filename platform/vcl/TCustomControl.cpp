#include "vcl/TCustomControl.h"

#include "vcl/TClassBuilder.h"

namespace vcl {

const TClassInfo& TCustomControl::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TCustomControl>("TCustomControl", TWinControl::StaticClass()).Build();
    return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(ui::HDC dc) {
    TControlCanvas::TPaintScope scope(FCanvas, dc);
    dc->Font = FFont.Handle();
    dc->Brush = {FColor, gfx::bsSolid};
    dc->Pen = {gfx::clBlack, gfx::psSolid};
    Paint();
}

}  // namespace vcl
