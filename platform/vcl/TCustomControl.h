#pragma once
// Windowed controls that paint themselves on a canvas.
#include "vcl/ControlCanvas.h"
#include "vcl/TWinControl.h"

namespace vcl {

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    // The canvas of the paint in progress (client coordinates), with the
    // control's font and colour as brush.
    gfx::TCanvas& Canvas() { return FCanvas.Get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(ui::HDC dc) override;

private:
    TControlCanvas FCanvas;
};

}  // namespace vcl
