#include "gfx/TRegion.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace gfx {

namespace {

struct TSpan {
    int Left, Right;
    bool operator==(const TSpan&) const = default;
};
using TSpans = std::vector<TSpan>;

// The spans where op(inA, inB) holds; both inputs sorted and disjoint.
template <typename Op>
void CombineSpans(const TSpans& a, const TSpans& b, Op op, TSpans& out) {
    out.clear();
    size_t i = 0, j = 0;
    bool inA = false, inB = false, inside = false;
    int start = 0;
    while (i < a.size() * 2 || j < b.size() * 2) {
        const int xa = i < a.size() * 2 ? (i % 2 ? a[i / 2].Right : a[i / 2].Left) : INT_MAX;
        const int xb = j < b.size() * 2 ? (j % 2 ? b[j / 2].Right : b[j / 2].Left) : INT_MAX;
        const int x = std::min(xa, xb);
        // Every boundary at x is taken before deciding, so touching spans join.
        while (i < a.size() * 2 && (i % 2 ? a[i / 2].Right : a[i / 2].Left) == x) inA = !(i++ % 2);
        while (j < b.size() * 2 && (j % 2 ? b[j / 2].Right : b[j / 2].Left) == x) inB = !(j++ % 2);
        const bool now = op(inA, inB);
        if (now && !inside) start = x;
        if (!now && inside) out.push_back({start, x});
        inside = now;
    }
}

}  // namespace

// Appends bands from top to bottom, merging a band into the one above when it
// continues it with the same spans.
class TBandBuilder {
public:
    explicit TBandBuilder(TRegion& region) : FRegion(region) { FRegion.FRects.clear(); }

    void Add(int top, int bottom, const TSpans& spans) {
        if (spans.empty() || bottom <= top) return;
        auto& rects = FRegion.FRects;
        if (FLastBottom == top && rects.size() - FLastBand == spans.size() &&
            std::equal(spans.begin(), spans.end(), rects.begin() + FLastBand,
                       [](const TSpan& s, const TRect& r) { return s.Left == r.Left && s.Right == r.Right; })) {
            for (size_t k = FLastBand; k < rects.size(); ++k) rects[k].Bottom = bottom;
        } else {
            FLastBand = rects.size();
            for (const TSpan& s : spans) rects.push_back({s.Left, top, s.Right, bottom});
        }
        FLastBottom = bottom;
    }

    ~TBandBuilder() {
        TRect bounds;
        const auto& rects = FRegion.FRects;
        if (!rects.empty()) {
            bounds = {INT_MAX, rects.front().Top, INT_MIN, rects.back().Bottom};
            for (const TRect& r : rects) {
                bounds.Left = std::min(bounds.Left, r.Left);
                bounds.Right = std::max(bounds.Right, r.Right);
            }
        }
        FRegion.FBounds = bounds;
    }

private:
    TRegion& FRegion;
    size_t FLastBand = 0;
    int FLastBottom = INT_MIN;
};

namespace {

// Walks the bands of a region from top to bottom.
class TBandCursor {
public:
    explicit TBandCursor(const std::vector<TRect>& rects) : FRects(rects) {}

    // The spans covering the rows from y on (the caller's bands never cross a
    // band edge of this region).
    const TSpans& SpansAt(int y) {
        while (FPos < FRects.size() && FRects[FPos].Bottom <= y) FPos = BandEnd(FPos);
        FSpans.clear();
        if (FPos < FRects.size() && FRects[FPos].Top <= y)
            for (size_t k = FPos; k < BandEnd(FPos); ++k) FSpans.push_back({FRects[k].Left, FRects[k].Right});
        return FSpans;
    }

private:
    size_t BandEnd(size_t start) const {
        size_t k = start;
        while (k < FRects.size() && FRects[k].Top == FRects[start].Top) ++k;
        return k;
    }

    const std::vector<TRect>& FRects;
    size_t FPos = 0;
    TSpans FSpans;
};

std::vector<int> BandEdges(const std::vector<TRect>& a, const std::vector<TRect>& b) {
    std::vector<int> ys;
    ys.reserve((a.size() + b.size()) * 2);
    for (const auto* list : {&a, &b})
        for (const TRect& r : *list) ys.insert(ys.end(), {r.Top, r.Bottom});
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    return ys;
}

}  // namespace

TRegion::TRegion(const TRect& rect) {
    if (!rect.IsEmpty()) {
        FRects.push_back(rect);
        FBounds = rect;
    }
}

TRegion TRegion::FromRects(const std::vector<TRect>& rects) {
    std::vector<TRect> sorted;
    for (const TRect& r : rects)
        if (!r.IsEmpty()) sorted.push_back(r);
    std::sort(sorted.begin(), sorted.end(), [](const TRect& p, const TRect& q) { return p.Top < q.Top; });
    const std::vector<int> ys = BandEdges(sorted, {});
    TRegion result;
    {
        TBandBuilder builder(result);
        TSpans spans, merged;
        for (size_t k = 0; k + 1 < ys.size(); ++k) {
            spans.clear();
            for (const TRect& r : sorted) {
                if (r.Top > ys[k]) break;
                if (r.Bottom > ys[k]) spans.push_back({r.Left, r.Right});
            }
            std::sort(spans.begin(), spans.end(), [](const TSpan& p, const TSpan& q) { return p.Left < q.Left; });
            merged.clear();
            for (const TSpan& s : spans) {
                if (!merged.empty() && s.Left <= merged.back().Right)
                    merged.back().Right = std::max(merged.back().Right, s.Right);
                else
                    merged.push_back(s);
            }
            builder.Add(ys[k], ys[k + 1], merged);
        }
    }
    return result;
}

int TRegion::Combine(const TRegion& a, const TRegion& b, int mode) {
    if (mode == RGN_COPY) {
        if (this != &a) *this = a;
        return Kind();
    }
    bool (*op)(bool, bool);
    switch (mode) {
        case RGN_AND: op = [](bool p, bool q) { return p && q; }; break;
        case RGN_OR: op = [](bool p, bool q) { return p || q; }; break;
        case RGN_XOR: op = [](bool p, bool q) { return p != q; }; break;
        default: op = [](bool p, bool q) { return p && !q; }; break;
    }
    // Work on copies so that a or b may be this region.
    const std::vector<TRect> ra = a.FRects, rb = b.FRects;
    const std::vector<int> ys = BandEdges(ra, rb);
    {
        TBandBuilder builder(*this);
        TBandCursor ca(ra), cb(rb);
        TSpans spans;
        for (size_t k = 0; k + 1 < ys.size(); ++k) {
            CombineSpans(ca.SpansAt(ys[k]), cb.SpansAt(ys[k]), op, spans);
            builder.Add(ys[k], ys[k + 1], spans);
        }
    }
    return Kind();
}

void TRegion::Offset(int dx, int dy) {
    for (TRect& r : FRects) r = OffsetRect(r, dx, dy);
    if (!FRects.empty()) FBounds = OffsetRect(FBounds, dx, dy);
}

bool TRegion::Contains(int x, int y) const {
    auto it = std::partition_point(FRects.begin(), FRects.end(), [y](const TRect& r) { return r.Bottom <= y; });
    for (; it != FRects.end() && it->Top <= y; ++it)
        if (x >= it->Left && x < it->Right) return true;
    return false;
}

bool TRegion::Intersects(const TRect& rect) const {
    if (IntersectRect(rect, FBounds).IsEmpty()) return false;
    for (const TRect& r : FRects)
        if (!IntersectRect(r, rect).IsEmpty()) return true;
    return false;
}

int TRegion::Kind() const {
    return FRects.empty() ? NULLREGION : FRects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace gfx
