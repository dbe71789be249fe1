#include "skinpaint/sPieceCopy.h"

#include "gfx/PixelAccess.h"
#include "skinpaint/sCopyArea.h"
#include "skinpaint/sPixelKernels.h"
#include "skinpaint/sPixelMath.h"

namespace skinpaint {

namespace {

// The background pixel at (x, y) of its bitmap, or null outside it.
const uint8_t* BehindAt(const gfx::TBitmap& behind, int x, int y) {
    if (x < 0 || y < 0 || x >= behind.Width() || y >= behind.Height()) return nullptr;
    return gfx::PixelAt32(behind, x, y);
}

const gfx::TBitmap* ReadyBitmap(const ParentBackground& background) {
    return background.Ready && background.Bitmap && Is32(*background.Bitmap) ? background.Bitmap : nullptr;
}

}  // namespace

void CopyKeyedPiece(gfx::TBitmap& dst, const gfx::TBitmap& src, int x, bool replace, const ParentBackground& background,
                    TColor key, const gfx::TRect& srcRect, int y) {
    if (!Is32(dst) || !Is32(src)) return;
    const TCopyArea c = ClipCopy(dst, x, y, src, srcRect.Left, srcRect.Top, srcRect.Width() + 1, srcRect.Height() + 1);
    if (c.Empty()) return;
    const uint32_t keyPixel = gfx::ColorToPixel32(key, 0);
    const gfx::TBitmap* behind = ReadyBitmap(background);
    const bool intoBehind = behind == &dst;
    const uint32_t fill = gfx::ColorToPixel32(background.FillColor, 255);
    for (int row = 0; row < c.H; ++row) {
        const int dy = c.Dy + row;
        uint8_t* d = gfx::PixelAt32(dst, c.Dx, dy);
        const uint8_t* s = gfx::PixelAt32(src, c.Sx, c.Sy + row);
        for (int i = 0; i < c.W; ++i, d += 4, s += 4) {
            const uint32_t p = gfx::LoadPixel32(s);
            const bool see = p == keyPixel;
            if (!background.Ready) {
                gfx::StorePixel32(d, see ? fill : p);
            } else if (!replace || !behind) {
                if (!see) gfx::StorePixel32(d, p);
            } else if (!see) {
                gfx::StorePixel32(d, p | 0xFF000000u);
            } else if (!intoBehind) {
                if (const uint8_t* b = BehindAt(*behind, c.Dx + i + background.X, dy + background.Y))
                    gfx::StorePixel32(d, gfx::LoadPixel32(b) | 0xFF000000u);
            }
        }
    }
}

void CopyMaskedPiece(const gfx::TRect& dstRect, const gfx::TRect& srcRect, gfx::TBitmap& dst,
                     const skin::TsMaskData& entry, bool replace, const ParentBackground& background,
                     const gfx::TBitmap& src) {
    if (!Is32(dst) || !Is32(src)) return;
    const int maskOffset = entry.SourceRect.Height() / 2;
    // The copy may read only rows whose mask lies inside the source too.
    const TCopyArea c = ClipCopy(dst, dstRect.Left, dstRect.Top, src.Width(), src.Height() - maskOffset, srcRect.Left,
                                 srcRect.Top, std::min(dstRect.Width(), srcRect.Width()),
                                 std::min(dstRect.Height(), srcRect.Height()));
    if (c.Empty()) return;
    const gfx::TBitmap* behind = ReadyBitmap(background);
    const uint32_t fill = gfx::ColorToPixel32(background.FillColor, 255);
    for (int row = 0; row < c.H; ++row) {
        const int dy = c.Dy + row;
        uint8_t* d = gfx::PixelAt32(dst, c.Dx, dy);
        const uint8_t* s = gfx::PixelAt32(src, c.Sx, c.Sy + row);
        const uint8_t* m = gfx::PixelAt32(src, c.Sx, c.Sy + row + maskOffset);
        if (behind && replace) {
            for (int i = 0; i < c.W; ++i, d += 4, s += 4, m += 4) {
                if (gfx::LoadPixel32(s) != KeyPixel) {
                    kernels::MaskBlendPixel(d, s, m);
                    d[3] = 255;
                } else if (const uint8_t* b = BehindAt(*behind, c.Dx + i + background.X, dy + background.Y)) {
                    gfx::StorePixel32(d, gfx::LoadPixel32(b) | 0xFF000000u);
                }
            }
        } else {
            for (int i = 0; i < c.W; ++i, d += 4, s += 4, m += 4) {
                if (background.Ready || gfx::LoadPixel32(s) != KeyPixel) kernels::MaskBlendPixel(d, s, m);
                else if (replace) gfx::StorePixel32(d, fill);
            }
        }
    }
}

}  // namespace skinpaint
