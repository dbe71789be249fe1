#include "vcl/ControlCanvas.h"

namespace vcl {

gfx::TCanvas& TControlCanvas::Get() {
    if (FPainting) return *FPainting;
    static gfx::TBitmap measure(1, 1);
    return measure.Canvas();
}

}  // namespace vcl
