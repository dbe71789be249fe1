#include "skinpaint/sBlockCopy.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "gfx/PixelAccess.h"
#include "skinpaint/sCopyArea.h"
#include "skinpaint/sPixelMath.h"

namespace skinpaint {

namespace {

// n pixels of a source row in format F to a 32-bit row.
template <gfx::TPixelFormat F>
void CopyRow(uint8_t* d, const uint8_t* s, int n) {
    if constexpr (F == gfx::pf32bit) {
        std::memmove(d, s, size_t(n) * 4);
    } else {
        for (int i = 0; i < n; ++i, d += 4, s += gfx::TPixel<F>::Size) {
            gfx::TBgra c = gfx::TPixel<F>::Load(s);
            c.A = 255;
            gfx::TPixel<gfx::pf32bit>::Store(d, c);
        }
    }
}

void CopyRowAny(const gfx::TBitmap& src, uint8_t* d, int sx, int sy, int n) {
    gfx::WithFormat(src.PixelFormat(), [&]<gfx::TPixelFormat F>() {
        CopyRow<F>(d, src.ScanLine(sy) + size_t(sx) * gfx::TPixel<F>::Size, n);
    });
}

// The source pixel under the centre of each destination pixel along one axis.
int NearestSource(int sourceStart, int sourceLength, int destLength, int i) {
    return sourceStart + int(((2 * int64_t(i) + 1) * sourceLength) / (2 * int64_t(destLength)));
}

}  // namespace

void CopyBlock(gfx::TBitmap& dst, int x, int y, const gfx::TBitmap& src, const gfx::TRect& srcRect) {
    if (!Is32(dst) || src.Empty()) return;
    const TCopyArea c = ClipCopy(dst, x, y, src, srcRect.Left, srcRect.Top, srcRect.Width(), srcRect.Height());
    if (c.Empty()) return;
    // Rows of a copy within one bitmap are taken in the order that reads each
    // before it is overwritten.
    const bool upward = &src == &dst && c.Dy > c.Sy;
    for (int i = 0; i < c.H; ++i) {
        const int row = upward ? c.H - 1 - i : i;
        CopyRowAny(src, gfx::PixelAt32(dst, c.Dx, c.Dy + row), c.Sx, c.Sy + row, c.W);
    }
}

void TileBlock(gfx::TBitmap& dst, const gfx::TRect& dest, const gfx::TBitmap& src, const gfx::TRect& srcRect) {
    if (!Is32(dst) || src.Empty()) return;
    // A tile that does not lie wholly in its picture is not laid.
    const gfx::TRect& s = srcRect;
    if (s.IsEmpty() || gfx::IntersectRect(s, {0, 0, src.Width(), src.Height()}) != s) return;
    const gfx::TRect d = gfx::IntersectRect(dest, {0, 0, dst.Width(), dst.Height()});
    if (d.IsEmpty()) return;
    const int tw = s.Width(), th = s.Height();
    for (int y = d.Top; y < d.Bottom; ++y) {
        const int sy = s.Top + (y - dest.Top) % th;
        int x = d.Left;
        while (x < d.Right) {
            const int sx = (x - dest.Left) % tw;
            const int n = std::min(tw - sx, d.Right - x);
            CopyRowAny(src, gfx::PixelAt32(dst, x, y), s.Left + sx, sy, n);
            x += n;
        }
    }
}

void StretchBlock(gfx::TBitmap& dst, const gfx::TRect& dest, const gfx::TBitmap& src, const gfx::TRect& srcRect) {
    if (!Is32(dst) || src.Empty() || dest.IsEmpty() || srcRect.IsEmpty()) return;
    const gfx::TRect d = gfx::IntersectRect(dest, {0, 0, dst.Width(), dst.Height()});
    if (d.IsEmpty()) return;
    std::vector<int> xs(static_cast<size_t>(d.Width()));
    for (int x = d.Left; x < d.Right; ++x)
        xs[size_t(x - d.Left)] = NearestSource(srcRect.Left, srcRect.Width(), dest.Width(), x - dest.Left);
    gfx::WithFormat(src.PixelFormat(), [&]<gfx::TPixelFormat F>() {
        for (int y = d.Top; y < d.Bottom; ++y) {
            const int sy = NearestSource(srcRect.Top, srcRect.Height(), dest.Height(), y - dest.Top);
            if (sy < 0 || sy >= src.Height()) continue;
            const uint8_t* srow = src.ScanLine(sy);
            uint8_t* row = gfx::PixelAt32(dst, d.Left, y);
            for (size_t i = 0; i < xs.size(); ++i, row += 4)
                if (xs[i] >= 0 && xs[i] < src.Width()) CopyRow<F>(row, srow + size_t(xs[i]) * gfx::TPixel<F>::Size, 1);
        }
    });
}

}  // namespace skinpaint
