#pragma once
// Points, sizes and rectangles in pixels, shaped like their Windows namesakes:
// a rectangle includes its left and top edges and excludes its right and bottom.
#include <algorithm>

namespace gfx {

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

// SIZE of the text functions: cx wide, cy high.
struct TSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const TSize&) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    bool operator==(const TRect&) const = default;
};

inline TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

inline TRect OffsetRect(const TRect& r, int dx, int dy) {
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// The common part; an empty rectangle (all zero) when there is none.
inline TRect IntersectRect(const TRect& a, const TRect& b) {
    const TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                  std::min(a.Bottom, b.Bottom)};
    return r.IsEmpty() ? TRect{} : r;
}

}  // namespace gfx
