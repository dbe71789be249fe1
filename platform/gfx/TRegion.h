#pragma once
// A region as window regions and clip regions are: a set of pixels kept as
// rectangles in y-x bands (bands top to bottom, rectangles of a band left to
// right, none overlapping or touching sideways, equal neighbouring bands merged),
// so that equal regions have equal rectangle lists.
#include <vector>

#include "gfx/Geometry.h"

namespace gfx {

// CombineRgn modes and the kinds of region they report.
enum { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
enum { NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

class TRegion {
public:
    TRegion() = default;
    explicit TRegion(const TRect& rect);
    // The union of any rectangles, for example the runs of a picture's rows.
    static TRegion FromRects(const std::vector<TRect>& rects);

    // *this becomes a combined with b (b is not used for RGN_COPY); a or b may be
    // *this. Returns the kind of the result.
    int Combine(const TRegion& a, const TRegion& b, int mode);
    void Offset(int dx, int dy);

    bool Contains(int x, int y) const;
    bool Intersects(const TRect& rect) const;
    // The smallest rectangle around the region; empty for an empty region.
    TRect Bounds() const { return FBounds; }
    bool IsEmpty() const { return FRects.empty(); }
    int Kind() const;
    const std::vector<TRect>& Rects() const { return FRects; }

    bool operator==(const TRegion& other) const { return FRects == other.FRects; }

private:
    friend class TBandBuilder;
    std::vector<TRect> FRects;
    TRect FBounds;
};

}  // namespace gfx
