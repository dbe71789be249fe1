#include "skinpaint/sGradientFill.h"

#include <algorithm>
#include <vector>

#include "gfx/PixelAccess.h"
#include "skinpaint/sPixelMath.h"
#include "skinpaint/sTriangleGradient.h"

namespace skinpaint {

namespace {

// Colour i of n + 1 from c1 (i = 0) to c2 (i = n), per channel in equal steps,
// rounded to the nearest integer; c1 for a band of one line.
gfx::TBgra Interpolated(int c1, int c2, int i, int n) {
    auto channel = [&](int shift) {
        const int a = c1 >> shift & 0xFF, b = c2 >> shift & 0xFF;
        return uint8_t(n == 0 ? a : RoundDiv(int64_t(a) * n + int64_t(b - a) * i, n));
    };
    return {channel(16), channel(8), channel(0), 255};
}

// Calls paint(first, last, step) for each step's band along an axis, the end
// of each computed by `end`, the next starting where the last one ended. A
// band must end after its start, except the last one, which also paints a
// rectangle only one line long.
template <typename End, typename Paint>
void ForEachBand(const skin::TsGradArray& steps, int start, int last, End&& end, Paint&& paint) {
    for (size_t k = 0; k < steps.size(); ++k) {
        const bool final = k + 1 == steps.size();
        const int stop = final ? last : std::min(end(start, steps[k].Percent), last);
        if (stop > start || (final && stop == start)) paint(start, stop, steps[k]);
        start = stop;
    }
}

template <gfx::TPixelFormat F>
void FillRows(gfx::TBitmap& bitmap, const gfx::TRect& r, const skin::TsGradArray& steps, int offset) {
    const int height = r.Height();
    ForEachBand(
        steps, r.Top + offset, r.Bottom - 1,
        [&](int start, int percent) { return start + (offset + height) * percent / 100; },
        [&](int first, int last, const skin::TsGradientStep& step) {
            for (int y = std::max(first, r.Top); y <= last; ++y) {
                const gfx::TBgra c = Interpolated(step.Color1, step.Color2, y - first, last - first);
                uint8_t* d = bitmap.ScanLine(y) + r.Left * gfx::TPixel<F>::Size;
                for (int x = r.Left; x < r.Right; ++x, d += gfx::TPixel<F>::Size) gfx::TPixel<F>::Store(d, c);
            }
        });
}

template <gfx::TPixelFormat F>
void FillColumns(gfx::TBitmap& bitmap, const gfx::TRect& r, const skin::TsGradArray& steps) {
    constexpr int size = gfx::TPixel<F>::Size;
    const int width = r.Width();
    // The first row is computed; every other row is a copy of it.
    uint8_t* first = bitmap.ScanLine(r.Top) + r.Left * size;
    ForEachBand(
        steps, r.Left, r.Right - 1,
        [&](int start, int percent) { return Nearest(percent * width / 100.0 + start); },
        [&](int from, int to, const skin::TsGradientStep& step) {
            for (int x = from; x <= to; ++x)
                gfx::TPixel<F>::Store(first + (x - r.Left) * size, Interpolated(step.Color1, step.Color2, x - from, to - from));
        });
    for (int y = r.Top + 1; y < r.Bottom; ++y)
        std::memcpy(bitmap.ScanLine(y) + r.Left * size, first, size_t(width) * size);
}

TTriVertex Vertex(int x, int y, int color) {
    return {x, y, uint16_t((color & 0xFF) << 8), uint16_t((color >> 8 & 0xFF) << 8),
            uint16_t((color >> 16 & 0xFF) << 8), 0xFF00};
}

void FillCorners(gfx::TBitmap& bitmap, const gfx::TRect& r, const skin::TsGradArray& steps) {
    // Top-left, centre, top-right, bottom-right, bottom-left, coloured by the
    // steps in this order; a missing step repeats the previous colour.
    const int xs[5] = {r.Left, r.Left + r.Width() / 2, r.Right, r.Right, r.Left};
    const int ys[5] = {r.Top, r.Top + r.Height() / 2, r.Top, r.Bottom, r.Bottom};
    std::vector<TTriVertex> vertices;
    int color = steps[0].Color1;
    for (size_t i = 0; i < 5; ++i) {
        if (i < steps.size()) color = steps[i].Color1;
        vertices.push_back(Vertex(xs[i], ys[i], color));
    }
    GradientFill(bitmap, vertices, {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}});
}

}  // namespace

void FillGradient(gfx::TBitmap& bitmap, const gfx::TRect& rect, const skin::TsGradArray& steps, int offset) {
    const gfx::TRect r = gfx::IntersectRect(rect, {0, 0, bitmap.Width(), bitmap.Height()});
    if (r.IsEmpty() || steps.empty()) return;
    switch (steps[0].Mode) {
        case gmVertical:
            gfx::WithFormat(bitmap.PixelFormat(), [&]<gfx::TPixelFormat F>() { FillRows<F>(bitmap, r, steps, offset); });
            break;
        case gmHorizontal:
            gfx::WithFormat(bitmap.PixelFormat(), [&]<gfx::TPixelFormat F>() { FillColumns<F>(bitmap, r, steps); });
            break;
        case gmFourCorners: FillCorners(bitmap, r, steps); break;
        default: break;
    }
}

}  // namespace skinpaint
