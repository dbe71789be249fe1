#include "skinpaint/sMaskGlyph.h"

#include <algorithm>
#include <cstring>

#include "gfx/PixelAccess.h"
#include "skin/sSkinTables.h"
#include "skinpaint/sBlendOps.h"
#include "skinpaint/sCopyArea.h"
#include "skinpaint/sPieceCopy.h"
#include "skinpaint/sPixelKernels.h"
#include "skinpaint/sPixelMath.h"

namespace skinpaint {

namespace {

// Calls f(d, p, mask row offset in pixels) for every pixel of the frame
// (sx, sy, w, h) of src placed at point, with the rows that its mask (rows
// maskRows below) may need inside src.
template <typename F>
void ForEachGlyphPixel(gfx::TBitmap& bitmap, gfx::TPoint point, const gfx::TBitmap& src, int sx, int sy, int w, int h,
                       int maskRows, F&& f) {
    const TCopyArea c = ClipCopy(bitmap, point.X, point.Y, src.Width(), src.Height() - maskRows, sx, sy, w, h);
    if (c.Empty()) return;
    for (int row = 0; row < c.H; ++row) {
        uint8_t* d = gfx::PixelAt32(bitmap, c.Dx, c.Dy + row);
        const uint8_t* p = gfx::PixelAt32(src, c.Sx, c.Sy + row);
        const uint8_t* m = gfx::PixelAt32(src, c.Sx, c.Sy + row + maskRows);
        for (int i = 0; i < c.W; ++i, d += 4, p += 4, m += 4) f(d, p, m);
    }
}

}  // namespace

void PaintMaskGlyph(gfx::TBitmap& bitmap, gfx::TPoint point, int state, const ParentBackground& background,
                    const skin::TsMaskData& entry, int mode) {
    if (!Is32(bitmap) || !entry.Owner || entry.StateCount <= 0) return;
    const gfx::TBitmap& src = entry.Owner->SourceBitmap(entry);
    if (!Is32(src)) return;
    if (entry.Bitmap && (src.Width() < entry.SourceRect.Right || src.Height() < entry.SourceRect.Bottom)) return;
    state = std::clamp(state, 0, entry.StateCount - 1);
    const int fw = skin::FrameWidth(entry), fh = skin::FrameHeight(entry);
    const int sx = entry.SourceRect.Left + fw * state, sy = entry.SourceRect.Top;

    if (entry.MaskKind == 1) {
        const int lift = mode == gdHalf ? 100 : 0;
        ForEachGlyphPixel(bitmap, point, src, sx, sy, fw, fh, fh, [&](uint8_t* d, const uint8_t* p, const uint8_t* m) {
            if (gfx::LoadPixel32(p) != KeyPixel && m[2] != 255) kernels::MaskBlendPixel(d, p, m, lift);
        });
    } else if (entry.Bitmap) {
        ForEachGlyphPixel(bitmap, point, src, sx, sy, fw, fh, 0, [](uint8_t* d, const uint8_t* p, const uint8_t*) {
            if (gfx::LoadPixel32(p) != KeyPixel) std::memcpy(d, p, 4);
        });
    } else if (mode == gdHalf) {
        BlendKeyedImage(bitmap, point, src, {sx, sy, sx + fw - 1, sy + fh - 1}, KEY_COLOR, 0.5);
    } else {
        CopyKeyedPiece(bitmap, src, point.X, true, background, KEY_COLOR, {sx, sy, sx + fw - 1, sy + fh - 1}, point.Y);
    }
}

}  // namespace skinpaint
