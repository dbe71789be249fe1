#include "vcl/TImage.h"

#include <algorithm>

#include "vcl/DrawHelpers.h"
#include "vcl/TClassBuilder.h"

namespace vcl {

namespace {

bool HasAlpha(const gfx::TBitmap& b) {
    if (b.PixelFormat() != gfx::pf32bit) return false;
    for (int y = 0; y < b.Height(); ++y) {
        const uint8_t* row = b.ScanLine(y);
        for (int x = 0; x < b.Width(); ++x)
            if (row[4 * x + 3] != 255) return true;
    }
    return false;
}

}  // namespace

const TClassInfo& TImage::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TImage>("TImage", TGraphicControl::StaticClass())
                                        .Creatable()
                                        .Object("Picture", &TImage::Picture)
                                        .Bool("Center", &TImage::SetCenter)
                                        .Bool("Stretch", &TImage::SetStretch)
                                        .Bool("Proportional", &TImage::SetProportional)
                                        .Bool("Transparent", &TImage::SetTransparent)
                                        .Build();
    return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    FWidth = FHeight = 105;
    FPicture.OnChange = [this] { PictureChanged(); };
}

void TImage::SetCenter(bool value) {
    FCenter = value;
    Invalidate();
}

void TImage::SetStretch(bool value) {
    FStretch = value;
    Invalidate();
}

void TImage::SetProportional(bool value) {
    FProportional = value;
    Invalidate();
}

void TImage::SetTransparent(bool value) {
    FTransparent = value;
    PictureChanged();
}

void TImage::PictureChanged() {
    gfx::TBitmap& b = FPicture.Bitmap();
    b.SetTransparent(FTransparent);
    b.SetTransparentMode(gfx::tmAuto);
    if (FAutoSize) AdjustSize();
    Invalidate();
}

void TImage::AdjustSize() {
    if (FAutoSize && !FPicture.Empty()) SetBounds(FLeft, FTop, FPicture.Width(), FPicture.Height());
}

TRect TImage::DestRect() const {
    int w = FPicture.Width(), h = FPicture.Height();
    const int cw = FWidth, ch = FHeight;
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            if (int64_t(cw) * h > int64_t(ch) * w) {
                w = int(int64_t(w) * ch / h);
                h = ch;
            } else {
                h = int(int64_t(h) * cw / w);
                w = cw;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect r{0, 0, w, h};
    if (FCenter) r = gfx::OffsetRect(r, (cw - w) / 2, (ch - h) / 2);
    return r;
}

void TImage::Paint() {
    gfx::TCanvas& canvas = Canvas();
    const gfx::TBitmap& b = FPicture.Bitmap();
    if (b.Empty()) return;
    const TRect dest = DestRect();
    const bool sameSize = dest.Width() == b.Width() && dest.Height() == b.Height();
    if (!FTransparent && HasAlpha(b))
        DrawAlphaBitmap(canvas, dest, b);
    else if (sameSize)
        canvas.Draw(dest.Left, dest.Top, b);
    else
        canvas.StretchDraw(dest, b);
}

}  // namespace vcl
