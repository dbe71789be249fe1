#pragma once
// The canvas a control paints on: the DC of the paint in progress, or,
// outside painting, a one-pixel canvas that serves text measurement and
// draws nowhere.
#include "gfx/TCanvas.h"

namespace vcl {

class TControlCanvas {
public:
    gfx::TCanvas& Get();
    bool Painting() const { return FPainting != nullptr; }
    // Points the canvas at a DC while a paint runs.
    class TPaintScope {
    public:
        TPaintScope(TControlCanvas& canvas, gfx::TCanvas* dc) : FCanvas(canvas), FSaved(canvas.FPainting) {
            canvas.FPainting = dc;
        }
        ~TPaintScope() { FCanvas.FPainting = FSaved; }
        TPaintScope(const TPaintScope&) = delete;
        TPaintScope& operator=(const TPaintScope&) = delete;

    private:
        TControlCanvas& FCanvas;
        gfx::TCanvas* FSaved;
    };

private:
    gfx::TCanvas* FPainting = nullptr;
};

}  // namespace vcl
