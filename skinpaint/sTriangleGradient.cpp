#include "skinpaint/sTriangleGradient.h"

#include <algorithm>

#include "gfx/PixelAccess.h"
#include "skinpaint/sPixelMath.h"

namespace skinpaint {

namespace {

// Coordinates are doubled so that pixel centres (x + 0.5, y + 0.5) are whole.
struct TPoint2 {
    int64_t X, Y;
};

int64_t Edge(TPoint2 a, TPoint2 b, TPoint2 p) { return (b.X - a.X) * (p.Y - a.Y) - (b.Y - a.Y) * (p.X - a.X); }

// A centre exactly on the edge a -> b counts for this triangle only for one
// of the two directions, so neighbours sharing the edge never both take it.
bool OwnsEdge(TPoint2 a, TPoint2 b) { return b.Y > a.Y || (b.Y == a.Y && b.X < a.X); }

void FillTriangle(gfx::TBitmap& bitmap, const TTriVertex* v[3]) {
    TPoint2 p[3];
    for (int i = 0; i < 3; ++i) p[i] = {int64_t(v[i]->X) * 2, int64_t(v[i]->Y) * 2};
    int64_t area = Edge(p[0], p[1], p[2]);
    if (area == 0) return;
    if (area < 0) {
        std::swap(p[1], p[2]);
        std::swap(v[1], v[2]);
        area = -area;
    }
    const int left = std::max(0, std::min({v[0]->X, v[1]->X, v[2]->X}));
    const int top = std::max(0, std::min({v[0]->Y, v[1]->Y, v[2]->Y}));
    const int right = std::min(bitmap.Width(), std::max({v[0]->X, v[1]->X, v[2]->X}));
    const int bottom = std::min(bitmap.Height(), std::max({v[0]->Y, v[1]->Y, v[2]->Y}));
    // Weight i belongs to vertex i: the edge opposite it.
    const int edges[3][2] = {{1, 2}, {2, 0}, {0, 1}};
    bool owns[3];
    for (int i = 0; i < 3; ++i) owns[i] = OwnsEdge(p[edges[i][0]], p[edges[i][1]]);
    const uint16_t TTriVertex::*channels[4] = {&TTriVertex::Blue, &TTriVertex::Green, &TTriVertex::Red,
                                               &TTriVertex::Alpha};
    for (int y = top; y < bottom; ++y) {
        uint8_t* d = gfx::PixelAt32(bitmap, left, y);
        for (int x = left; x < right; ++x, d += 4) {
            const TPoint2 c{2 * int64_t(x) + 1, 2 * int64_t(y) + 1};
            int64_t w[3];
            bool inside = true;
            for (int i = 0; i < 3 && inside; ++i) {
                w[i] = Edge(p[edges[i][0]], p[edges[i][1]], c);
                inside = w[i] > 0 || (w[i] == 0 && owns[i]);
            }
            if (!inside) continue;
            for (int ch = 0; ch < 4; ++ch) {
                const int64_t sum = w[0] * (v[0]->*channels[ch]) + w[1] * (v[1]->*channels[ch]) +
                                    w[2] * (v[2]->*channels[ch]);
                d[ch] = uint8_t(((2 * sum + area) / (2 * area)) >> 8);
            }
        }
    }
}

}  // namespace

void GradientFill(gfx::TBitmap& bitmap, const std::vector<TTriVertex>& vertices,
                  const std::vector<TGradientTriangle>& triangles) {
    if (!Is32(bitmap)) return;
    const int n = static_cast<int>(vertices.size());
    for (const TGradientTriangle& t : triangles) {
        if (std::min({t.Vertex1, t.Vertex2, t.Vertex3}) < 0 || std::max({t.Vertex1, t.Vertex2, t.Vertex3}) >= n)
            continue;
        const TTriVertex* v[3] = {&vertices[size_t(t.Vertex1)], &vertices[size_t(t.Vertex2)],
                                  &vertices[size_t(t.Vertex3)]};
        FillTriangle(bitmap, v);
    }
}

}  // namespace skinpaint
