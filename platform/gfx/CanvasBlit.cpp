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

// How destination pixels along one axis find their source pixel: through a
// map for stretching (indexed from DestStart), else by a plain shift.
struct TAxis {
    const int* Map;
    int Shift;
    int DestStart;
    int Source(int dest) const { return Map ? Map[dest - DestStart] : dest + Shift; }
};

// The destination indexes [first, last) from DestStart whose source lies in [0, limit).
std::pair<int, int> InsideRange(const TAxis& axis, int length, int limit) {
    if (!axis.Map) {
        const int start = axis.DestStart + axis.Shift;
        return {std::clamp(-start, 0, length), std::clamp(limit - start, 0, length)};
    }
    const int* end = axis.Map + length;
    const int* first = std::find_if(axis.Map, end, [](int s) { return s >= 0; });
    const int* last = std::find_if(first, end, [limit](int s) { return s >= limit; });
    return {int(first - axis.Map), int(last - axis.Map)};
}

template <TPixelFormat S, TPixelFormat D, bool Keyed>
void CopyNearest(const TBitmap& src, TBitmap& dst, const TRect& r, const TAxis& ax, const TAxis& ay, TBgra key) {
    constexpr int SS = TPixel<S>::Size, DS = TPixel<D>::Size;
    auto put = [key](uint8_t* d, const uint8_t* s) {
        if constexpr (Keyed) {
            const TBgra c = TPixel<S>::Load(s);
            if (c.B == key.B && c.G == key.G && c.R == key.R) return;
        }
        if constexpr (S == D) std::memcpy(d, s, SS);
        else TPixel<D>::Store(d, TPixel<S>::Load(s));
    };
    if (S == D && !Keyed && !ax.Map && !ay.Map && size_t(r.Width()) * DS == size_t(dst.Stride()) &&
        src.Stride() == dst.Stride()) {
        // Whole rows of equal bitmaps lie back to back: one copy for all.
        std::memcpy(dst.ScanLine(r.Top), src.ScanLine(r.Top + ay.Shift), size_t(r.Height()) * dst.Stride());
        return;
    }
    for (int y = r.Top; y < r.Bottom; ++y) {
        uint8_t* d = dst.ScanLine(y) + r.Left * DS;
        const int sy = ay.Source(y);
        // Enlarging repeats rows: copy the row just made.
        if (!Keyed && ay.Map && y > r.Top && sy == ay.Source(y - 1)) {
            std::memcpy(d, dst.ScanLine(y - 1) + r.Left * DS, size_t(r.Width()) * DS);
            continue;
        }
        const uint8_t* srow = src.ScanLine(sy);
        if (ax.Map && S == pf32bit && D == pf32bit && !Keyed) {
            const int* xs = ax.Map + (r.Left - ax.DestStart);
            const auto* s32 = reinterpret_cast<const uint32_t*>(srow);
            auto* d32 = reinterpret_cast<uint32_t*>(d);
            for (int i = 0; i < r.Width(); ++i) d32[i] = s32[xs[i]];
        } else if (ax.Map) {
            const int* xs = ax.Map + (r.Left - ax.DestStart);
            for (int i = 0; i < r.Width(); ++i, d += DS) put(d, srow + xs[i] * SS);
        } else if (S == D && !Keyed) {
            std::memcpy(d, srow + (r.Left + ax.Shift) * SS, size_t(r.Width()) * DS);
        } else {
            const uint8_t* s = srow + (r.Left + ax.Shift) * SS;
            for (int i = 0; i < r.Width(); ++i, d += DS, s += SS) put(d, s);
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
    std::vector<int> xs, ys;
    TAxis ax{nullptr, s.Left - d.Left, d.Left}, ay{nullptr, s.Top - d.Top, d.Top};
    if (s.Width() != d.Width()) xs = NearestMap(s.Left, s.Width(), d.Width()), ax.Map = xs.data();
    if (s.Height() != d.Height()) ys = NearestMap(s.Top, s.Height(), d.Height()), ay.Map = ys.data();
    const std::pair<int, int> columns = InsideRange(ax, d.Width(), src->Width());
    const std::pair<int, int> rows = InsideRange(ay, d.Height(), src->Height());
    if (columns.first >= columns.second || rows.first >= rows.second) return true;
    const TRect inside{d.Left + columns.first, d.Top + rows.first, d.Left + columns.second, d.Top + rows.second};

    TBitmap halftoned;
    if (mode == HALFTONE && (ax.Map || ay.Map) && !key) {
        halftoned.SetSize(inside.Width(), inside.Height());
        WithFormat(src->PixelFormat(), [&]<TPixelFormat S>() {
            Halftone<S>(*src, s, d.Width(), d.Height(), OffsetRect(inside, -d.Left, -d.Top), halftoned);
        });
        src = &halftoned;
        ax = {nullptr, -inside.Left, inside.Left};
        ay = {nullptr, -inside.Top, inside.Top};
    }
    const TBgra k = key ? ColorToBgra(*key) : TBgra{};
    ForEachClipRect(inside, [&](const TRect& r) {
        WithFormat(src->PixelFormat(), [&]<TPixelFormat S>() {
            WithFormat(FBitmap->PixelFormat(), [&]<TPixelFormat D>() {
                if (key) CopyNearest<S, D, true>(*src, *FBitmap, r, ax, ay, k);
                else CopyNearest<S, D, false>(*src, *FBitmap, r, ax, ay, k);
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
