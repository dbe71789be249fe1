#pragma once
// Controls without a window of their own: their parent paints them, in
// z-order below its windowed children, and hands them their mouse messages.
#include "vcl/ControlCanvas.h"
#include "vcl/TControl.h"

namespace vcl {

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    // The canvas of the paint in progress, with the control's font; the
    // origin is the control's top-left corner.
    gfx::TCanvas& Canvas() { return FCanvas.Get(); }

    void WndProc(TMessage& message) override;

protected:
    virtual void Paint() {}

private:
    TControlCanvas FCanvas;
};

}  // namespace vcl
