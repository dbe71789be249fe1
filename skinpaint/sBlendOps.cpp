#include "skinpaint/sBlendOps.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "gfx/PixelAccess.h"
#include "skinpaint/sCopyArea.h"
#include "skinpaint/sPixelKernels.h"
#include "skinpaint/sPixelMath.h"

namespace skinpaint {

void BlendBitmapOver(gfx::TBitmap& dst, gfx::TPoint point, const gfx::TBitmap& src, const gfx::TRect& srcRect, int a) {
    if (!Is32(dst) || !Is32(src) || dst.Width() < 2 || dst.Height() < 2 || src.Width() < 2 || src.Height() < 2) return;
    a = std::clamp(a, 0, 255);
    // Clipping a negative point moves the source rectangle's start.
    const TCopyArea c = ClipCopy(dst, point.X, point.Y, src, srcRect.Left, srcRect.Top, srcRect.Width(), srcRect.Height());
    if (c.Empty()) return;
    for (int row = 0; row < c.H; ++row)
        kernels::BlendOverRun(gfx::PixelAt32(dst, c.Dx, c.Dy + row), gfx::PixelAt32(src, c.Sx, c.Sy + row), size_t(c.W),
                              a);
}

void BlendKeyedImage(gfx::TBitmap& dst, gfx::TPoint point, const gfx::TBitmap& src, const gfx::TRect& srcRect,
                     TColor key, double t) {
    if (!Is32(dst) || !Is32(src)) return;
    const TCopyArea c =
        ClipCopy(dst, point.X, point.Y, src, srcRect.Left, srcRect.Top, srcRect.Width() + 1, srcRect.Height() + 1);
    if (c.Empty()) return;
    const uint32_t keyColor = gfx::ColorToPixel32(key, 0);
    for (int row = 0; row < c.H; ++row) {
        uint8_t* d = gfx::PixelAt32(dst, c.Dx, c.Dy + row);
        const uint8_t* s = gfx::PixelAt32(src, c.Sx, c.Sy + row);
        for (int i = 0; i < c.W; ++i, d += 4, s += 4) {
            if ((gfx::LoadPixel32(s) & 0xFFFFFF) == keyColor) continue;
            for (int k = 0; k < 4; ++k) d[k] = ClampByte(Nearest(s[k] - (s[k] - d[k]) * t));
        }
    }
}

void CopyAlphaImage(gfx::TBitmap& dst, const gfx::TRect& dstRect, const gfx::TBitmap& src, const gfx::TRect& srcRect,
                    bool replace, const ParentBackground& background) {
    if (!Is32(dst) || !Is32(src)) return;
    const TCopyArea c = ClipRects(dst, dstRect, src, srcRect);
    if (c.Empty()) return;
    const gfx::TBitmap* behind = background.Ready && replace && background.Bitmap && Is32(*background.Bitmap)
                                     ? background.Bitmap
                                     : nullptr;
    for (int row = 0; row < c.H; ++row) {
        uint8_t* d = gfx::PixelAt32(dst, c.Dx, c.Dy + row);
        const uint8_t* s = gfx::PixelAt32(src, c.Sx, c.Sy + row);
        if (!behind) {
            // A key pixel has alpha 0, so the plain copy already leaves it out.
            kernels::AlphaOverRun(d, s, size_t(c.W), 100);
            continue;
        }
        const int by = c.Dy + row + background.Y;
        for (int i = 0; i < c.W; ++i, d += 4, s += 4) {
            if (gfx::LoadPixel32(s) != KeyPixel) {
                kernels::AlphaOverGeneral(d, s, 1, 100);
                continue;
            }
            const int bx = c.Dx + i + background.X;
            if (bx >= 0 && by >= 0 && bx < behind->Width() && by < behind->Height())
                std::memcpy(d, gfx::PixelAt32(*behind, bx, by), 4);
        }
    }
}

void DrawAlphaImage(gfx::TBitmap& dst, const gfx::TRect& dstRect, const gfx::TBitmap& src, const gfx::TRect& srcRect,
                    int transparency, TColor tint) {
    if (!Is32(dst) || !Is32(src)) return;
    const TCopyArea c = ClipRects(dst, dstRect, src, srcRect);
    if (c.Empty()) return;
    const int weight = 100 - std::clamp(transparency, 0, 100);
    const bool tinted = tint != NO_TINT;
    const gfx::TBgra k = tinted ? gfx::ColorToBgra(tint) : gfx::TBgra{};
    const int kc[3] = {k.B, k.G, k.R};
    std::vector<uint8_t> tintedRow(tinted ? size_t(c.W) * 4 : 0);
    for (int row = 0; row < c.H; ++row) {
        const uint8_t* s = gfx::PixelAt32(src, c.Sx, c.Sy + row);
        if (tinted) {
            for (int i = 0; i < c.W; ++i) {
                const uint8_t* p = s + i * 4;
                uint8_t* q = tintedRow.data() + i * 4;
                const int grey = gfx::AverageGrey(p[2], p[1], p[0]);
                for (int ch = 0; ch < 3; ++ch) q[ch] = uint8_t(RoundDiv(kc[ch] * grey, 255));
                q[3] = p[3];
            }
            s = tintedRow.data();
        }
        kernels::AlphaOverRun(gfx::PixelAt32(dst, c.Dx, c.Dy + row), s, size_t(c.W), weight);
    }
}

}  // namespace skinpaint
