#pragma once
// Where a copy between two bitmaps can go: the painters' shared clipping.
#include <algorithm>

#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"

namespace skinpaint {

// A w x h block from (Sx, Sy) of the source to (Dx, Dy) of the destination.
struct TCopyArea {
    int Dx, Dy, Sx, Sy, W, H;
    bool Empty() const { return W <= 0 || H <= 0; }
};

// Both corners moved inside their bitmaps (a start left of or above a bitmap
// moves the other start along), the size cut to fit both; sourceHeight is the
// source height the copy may read, less for copies that also read rows below.
inline TCopyArea ClipCopy(const gfx::TBitmap& dst, int dx, int dy, int sourceWidth, int sourceHeight, int sx, int sy,
                          int w, int h) {
    const int left = std::max({0, -dx, -sx}), top = std::max({0, -dy, -sy});
    dx += left, sx += left, w -= left;
    dy += top, sy += top, h -= top;
    w = std::min({w, dst.Width() - dx, sourceWidth - sx});
    h = std::min({h, dst.Height() - dy, sourceHeight - sy});
    return {dx, dy, sx, sy, w, h};
}

inline TCopyArea ClipCopy(const gfx::TBitmap& dst, int dx, int dy, const gfx::TBitmap& src, int sx, int sy, int w,
                          int h) {
    return ClipCopy(dst, dx, dy, src.Width(), src.Height(), sx, sy, w, h);
}

// dstRect and srcRect copied as far as the smaller of the two reaches.
inline TCopyArea ClipRects(const gfx::TBitmap& dst, const gfx::TRect& dstRect, const gfx::TBitmap& src,
                           const gfx::TRect& srcRect) {
    return ClipCopy(dst, dstRect.Left, dstRect.Top, src, srcRect.Left, srcRect.Top,
                    std::min(dstRect.Width(), srcRect.Width()), std::min(dstRect.Height(), srcRect.Height()));
}

}  // namespace skinpaint
