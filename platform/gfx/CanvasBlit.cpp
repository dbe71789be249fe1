// The copies of TCanvas: block, stretch (nearest and half-tone) and colour-keyed.
#include <algorithm>
#include <cstring>

#include "gfx/CanvasClip.h"
#include "gfx/PixelAccess.h"

namespace gfx {

namespace {

// The source pixel for each destination pixel along one axis: the one under
// the destination pixel's centre.
std::vector<int> NearestMap(int sourceStart, int sourceLength, int destLength) {
    std::vector<int> map(static_cast<size_t>(destLength));
    for (int i = 0; i < destLength; ++i)
        map[size_t(i)] = sourceStart + int(((2 * int64_t(i) + 1) * sourceLength) / (2 * int64_t(destLength)));
    return map;
}

// The destination indexes [first, last) whose source lies in [0, limit).
std::pair<int, int> InsideRange(const std::vector<int>& map, int limit) {
    const auto first = std::find_if(map.begin(), map.end(), [](int s) { return s >= 0; });
    const auto last = std::find_if(first, map.end(), [limit](int s) { return s >= limit; });
    return {int(first - map.begin()), int(last - map.begin())};
}

struct TMapping {
    const std::vector<int>& Xs;  // source x for each destination x from DestLeft
    const std::vector<int>& Ys;
    int DestLeft, DestTop;
    bool IdentityX;  // consecutive source columns
};

template <TPixelFormat S, TPixelFormat D, bool Keyed>
void CopyNearest(const TBitmap& src, TBitmap& dst, const TRect& r, const TMapping& m, TBgra key) {
    constexpr int SS = TPixel<S>::Size, DS = TPixel<D>::Size;
    for (int y = r.Top; y < r.Bottom; ++y) {
        uint8_t* d = dst.ScanLine(y) + r.Left * DS;
        const int sy = m.Ys[size_t(y - m.DestTop)];
        // Enlarging repeats rows: copy the row just made.
        if (!Keyed && y > r.Top && sy == m.Ys[size_t(y - 1 - m.DestTop)]) {
            std::memcpy(d, dst.ScanLine(y - 1) + r.Left * DS, size_t(r.Width()) * DS);
            continue;
        }
        const uint8_t* srow = src.ScanLine(sy);
        const int* xs = m.Xs.data() + (r.Left - m.DestLeft);
        if (S == D && !Keyed && m.IdentityX) {
            std::memcpy(d, srow + xs[0] * SS, size_t(r.Width()) * DS);
            continue;
        }
        for (int i = 0; i < r.Width(); ++i, d += DS) {
            const uint8_t* s = srow + xs[i] * SS;
            if constexpr (Keyed) {
                const TBgra c = TPixel<S>::Load(s);
                if (c.B == key.B && c.G == key.G && c.R == key.R) continue;
            }
            if constexpr (S == D) std::memcpy(d, s, SS);
            else TPixel<D>::Store(d, TPixel<S>::Load(s));
        }
    }
}

struct TTap {
    int Index;
    uint32_t Weight;  // 16-bit fixed point; the taps of one pixel add up to 65536
};

// Box-filter taps of destination pixels [from, to): each covers sourceLength /
// destLength source pixels and takes each in proportion to the overlap. Source
// indexes beyond [0, limit) take the nearest edge pixel.
void BoxTaps(int sourceStart, int sourceLength, int destLength, int limit, int from, int to,
             std::vector<size_t>& starts, std::vector<TTap>& taps) {
    for (int i = from; i < to; ++i) {
        starts.push_back(taps.size());
        // Units of 1/destLength source pixel.
        const int64_t a = int64_t(i) * sourceLength, b = a + sourceLength;
        size_t heaviest = taps.size();
        uint32_t sum = 0;
        for (int64_t j = a / destLength; j * destLength < b; ++j) {
            const int64_t overlap = std::min(b, (j + 1) * destLength) - std::max(a, j * destLength);
            const auto w = uint32_t((overlap * 65536 + sourceLength / 2) / sourceLength);
            if (w == 0) continue;
            if (heaviest == taps.size() || w > taps[heaviest].Weight) heaviest = taps.size();
            taps.push_back({std::clamp(sourceStart + int(j), 0, limit - 1), w});
            sum += w;
        }
        taps[heaviest].Weight += 65536 - sum;
    }
    starts.push_back(taps.size());
}

// Half-tone stretch of source rectangle s to a dw x dh picture, destination
// pixels [x0, x1) x [y0, y1) of it written into out (pf32bit, from 0, 0).
template <TPixelFormat S>
void Halftone(const TBitmap& src, const TRect& s, int dw, int dh, const TRect& part, TBitmap& out) {
    std::vector<size_t> xStarts, yStarts;
    std::vector<TTap> xTaps, yTaps;
    BoxTaps(s.Left, s.Width(), dw, src.Width(), part.Left, part.Right, xStarts, xTaps);
    BoxTaps(s.Top, s.Height(), dh, src.Height(), part.Top, part.Bottom, yStarts, yTaps);
    int rowFirst = src.Height(), rowLast = -1;
    for (const TTap& t : yTaps) rowFirst = std::min(rowFirst, t.Index), rowLast = std::max(rowLast, t.Index);
    const int w = part.Width();
    // Rows resampled across: channels in 16.8 fixed point.
    std::vector<uint32_t> across(size_t(rowLast - rowFirst + 1) * w * 4);
    for (int row = rowFirst; row <= rowLast; ++row) {
        const uint8_t* srow = src.ScanLine(row);
        uint32_t* a = across.data() + size_t(row - rowFirst) * w * 4;
        for (int i = 0; i < w; ++i, a += 4) {
            uint32_t acc[4] = {};
            for (size_t k = xStarts[size_t(i)]; k < xStarts[size_t(i) + 1]; ++k) {
                const TBgra p = TPixel<S>::Load(srow + xTaps[k].Index * TPixel<S>::Size);
                const uint32_t wt = xTaps[k].Weight;
                acc[0] += p.B * wt, acc[1] += p.G * wt, acc[2] += p.R * wt, acc[3] += p.A * wt;
            }
            for (int c = 0; c < 4; ++c) a[c] = (acc[c] + 128) >> 8;
        }
    }
    for (int j = 0; j < part.Height(); ++j) {
        uint8_t* d = out.ScanLine(j);
        for (int i = 0; i < w; ++i, d += 4) {
            uint32_t acc[4] = {};
            for (size_t k = yStarts[size_t(j)]; k < yStarts[size_t(j) + 1]; ++k) {
                const uint32_t* a = across.data() + (size_t(yTaps[k].Index - rowFirst) * w + i) * 4;
                for (int c = 0; c < 4; ++c) acc[c] += a[c] * yTaps[k].Weight;
            }
            for (int c = 0; c < 4; ++c) d[c] = uint8_t((acc[c] + (1u << 23)) >> 24);
        }
    }
}

}  // namespace

bool TCanvas::Blit(const TBitmap& source, TRect s, TRect d, int mode, std::optional<TColor> key) {
    if (s.IsEmpty() || d.IsEmpty()) return false;
    TBitmap own;
    const TBitmap* src = &source;
    if (src == FBitmap) {
        // Reading from the bitmap being written: read from a copy.
        own.Assign(source);
        src = &own;
    }
    const std::vector<int> xs = NearestMap(s.Left, s.Width(), d.Width());
    const std::vector<int> ys = NearestMap(s.Top, s.Height(), d.Height());
    const auto [x0, x1] = InsideRange(xs, src->Width());
    const auto [y0, y1] = InsideRange(ys, src->Height());
    if (x0 >= x1 || y0 >= y1) return true;
    const TRect inside{d.Left + x0, d.Top + y0, d.Left + x1, d.Top + y1};

    TBitmap halftoned;
    std::vector<int> identityX, identityY;
    const bool stretched = s.Width() != d.Width() || s.Height() != d.Height();
    if (mode == HALFTONE && stretched && !key) {
        halftoned.SetSize(inside.Width(), inside.Height());
        WithFormat(src->PixelFormat(), [&]<TPixelFormat S>() {
            Halftone<S>(*src, s, d.Width(), d.Height(), TRect{x0, y0, x1, y1}, halftoned);
        });
        src = &halftoned;
        for (int i = 0; i < inside.Width(); ++i) identityX.push_back(i);
        for (int j = 0; j < inside.Height(); ++j) identityY.push_back(j);
    }
    const bool viaHalftone = src == &halftoned;
    const TMapping m{viaHalftone ? identityX : xs, viaHalftone ? identityY : ys, viaHalftone ? inside.Left : d.Left,
                     viaHalftone ? inside.Top : d.Top, viaHalftone || s.Width() == d.Width()};
    const TBgra k = key ? ColorToBgra(*key) : TBgra{};
    ForEachClipRect(inside, [&](const TRect& r) {
        WithFormat(src->PixelFormat(), [&]<TPixelFormat S>() {
            WithFormat(FBitmap->PixelFormat(), [&]<TPixelFormat D>() {
                if (key) CopyNearest<S, D, true>(*src, *FBitmap, r, m, k);
                else CopyNearest<S, D, false>(*src, *FBitmap, r, m, k);
            });
        });
    });
    return true;
}

bool TCanvas::BitBlt(int x, int y, int width, int height, const TCanvas& source, int sx, int sy) {
    if (width <= 0 || height <= 0) return false;
    return Blit(source.Bitmap(), Bounds(sx + source.OffsetX(), sy + source.OffsetY(), width, height),
                Bounds(x + OffsetX(), y + OffsetY(), width, height), COLORONCOLOR, std::nullopt);
}

bool TCanvas::StretchBlt(int x, int y, int width, int height, const TCanvas& source, int sx, int sy, int sw,
                         int sh) {
    if (width <= 0 || height <= 0 || sw <= 0 || sh <= 0) return false;
    return Blit(source.Bitmap(), Bounds(sx + source.OffsetX(), sy + source.OffsetY(), sw, sh),
                Bounds(x + OffsetX(), y + OffsetY(), width, height), FState.StretchMode, std::nullopt);
}

bool TCanvas::TransparentBlt(int x, int y, int width, int height, const TCanvas& source, int sx, int sy, int sw,
                             int sh, TColor key) {
    if (width <= 0 || height <= 0 || sw <= 0 || sh <= 0) return false;
    return Blit(source.Bitmap(), Bounds(sx + source.OffsetX(), sy + source.OffsetY(), sw, sh),
                Bounds(x + OffsetX(), y + OffsetY(), width, height), COLORONCOLOR, key);
}

void TCanvas::StretchDraw(const TRect& rect, const TBitmap& bitmap) {
    if (bitmap.Empty()) return;
    Blit(bitmap, TRect{0, 0, bitmap.Width(), bitmap.Height()}, OffsetRect(rect, OffsetX(), OffsetY()),
         FState.StretchMode, bitmap.Transparent() ? std::optional(bitmap.TransparentColor()) : std::nullopt);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    StretchDraw(Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
    StretchBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), source, sourceRect.Left, sourceRect.Top,
               sourceRect.Width(), sourceRect.Height());
}

}  // namespace gfx
