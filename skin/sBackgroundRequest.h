#pragma once
// The record a control passes to its parent to learn what lies behind it
// (SKC_GET_BACKGROUND). The parent's binding fills in what it knows: its cache
// bitmap and where the asking control's origin lies in it, or only a colour.
#include <cstdint>

#include "gfx/Colors.h"
#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "gfx/TCanvas.h"

namespace skin {

struct BackgroundRequest {
    enum : uint8_t { Unanswered = 0, ColorKnown = 1, BitmapKnown = 2 };
    const gfx::TBitmap* Bitmap = nullptr;
    gfx::TColor Color = 0xFF00FF;
    // The parent's client origin inside Bitmap.
    int X = 0;
    int Y = 0;
    // The area of interest, in parent coordinates.
    gfx::TRect ClipRect;
    uint8_t Kind = Unanswered;
    // Paint the parent into DC when it does not answer.
    uint8_t PaintNow = 0;
    gfx::TCanvas* DC = nullptr;
};

}  // namespace skin
