#include "skinpaint/sStretchMaskedPiece.h"

#include <algorithm>

#include "gfx/PixelAccess.h"
#include "skinpaint/sBlockCopy.h"
#include "skinpaint/sColorOps.h"
#include "skinpaint/sPixelKernels.h"
#include "skinpaint/sPixelMath.h"
#include "skinpaint/sResample.h"

namespace skinpaint {

namespace {

bool Inside(const gfx::TBitmap& b, const gfx::TRect& r) {
    return r.Left >= 0 && r.Top >= 0 && r.Right <= b.Width() && r.Bottom <= b.Height();
}

// The piece in a bitmap of at least 2 x 2 pixels, its last column and row
// repeated where it is narrower or lower, so that it can be resampled.
gfx::TBitmap Padded(const gfx::TBitmap& src, const gfx::TRect& piece) {
    gfx::TBitmap out(std::max(piece.Width(), 2), std::max(piece.Height(), 2));
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            const int sx = piece.Left + std::min(x, piece.Width() - 1), sy = piece.Top + std::min(y, piece.Height() - 1);
            gfx::StorePixel32(gfx::PixelAt32(out, x, y), gfx::LoadPixel32(gfx::PixelAt32(src, sx, sy)));
        }
    return out;
}

gfx::TBitmap Stretched(const gfx::TBitmap& src, const gfx::TRect& piece, int w, int h, bool resample,
                       TResampleFilter filter) {
    gfx::TBitmap out(w, h);
    if (resample) ResampleBitmap(Padded(src, piece), out, w, filter, h);
    else StretchBlock(out, {0, 0, w, h}, src, piece);
    return out;
}

}  // namespace

void StretchMaskedPiece(gfx::TBitmap& dst, const gfx::TRect& dest, const gfx::TBitmap& src, const gfx::TRect& srcRect,
                        int maskOffset, bool centre) {
    const int w = dest.Width(), h = dest.Height();
    if (dest.Left < 0 || dest.Top < 0 || w <= 0 || h <= 0 || !Is32(dst) || dst.Width() <= 1 || dst.Height() <= 1)
        return;
    if (maskOffset == 0) {
        StretchBlock(dst, dest, src, srcRect);
        return;
    }
    const gfx::TRect maskRect = gfx::OffsetRect(srcRect, 0, maskOffset);
    if (!Is32(src) || srcRect.IsEmpty() || !Inside(src, srcRect) || !Inside(src, maskRect)) return;
    const gfx::TRect area = gfx::IntersectRect(dest, {0, 0, dst.Width(), dst.Height()});
    const int sw = srcRect.Width(), sh = srcRect.Height();

    if (centre && sw == 1 && sh == 1) {
        const uint8_t* p = gfx::PixelAt32(src, srcRect.Left, srcRect.Top);
        const uint8_t* m = gfx::PixelAt32(src, maskRect.Left, maskRect.Top);
        if (m[2] == 255) return;
        if (m[2] == 0) {
            FillRect32(dst, area, gfx::Pixel32ToColor(gfx::LoadPixel32(p)));
            return;
        }
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x) kernels::MaskBlendPixel(gfx::PixelAt32(dst, x, y), p, m);
        return;
    }

    const bool resample = ((w < sw && h == sh) || (w == sw && h < sh) || centre) && w > 1 && h > 1;
    const gfx::TBitmap picture = Stretched(src, srcRect, w, h, resample, rfMitchell);
    const gfx::TBitmap mask = Stretched(src, maskRect, w, h, resample, rfHermite);
    for (int y = area.Top; y < area.Bottom; ++y) {
        uint8_t* d = gfx::PixelAt32(dst, area.Left, y);
        const uint8_t* p = gfx::PixelAt32(picture, area.Left - dest.Left, y - dest.Top);
        const uint8_t* m = gfx::PixelAt32(mask, area.Left - dest.Left, y - dest.Top);
        for (int x = area.Left; x < area.Right; ++x, d += 4, p += 4, m += 4) kernels::MaskBlendPixel(d, p, m);
    }
}

}  // namespace skinpaint
