#include "skinpaint/sResample.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace skinpaint {

namespace {

struct TTap {
    int Index;
    int Weight;  // 16.16
};

// Each destination sample's taps along one axis: the filter centred on
// i * sourceLength / destLength, widened (and scaled down) by the ratio when
// shrinking; positions outside the axis are mirrored back into it.
std::vector<std::vector<TTap>> AxisTaps(int sourceLength, int destLength, TResampleFilter filter) {
    const double scale = double(destLength) / sourceLength;
    const double support = ResampleFilterSupport(filter);
    const double width = scale < 1 ? support / scale : support;
    const double valueScale = scale < 1 ? scale : 1;
    std::vector<std::vector<TTap>> taps(static_cast<size_t>(destLength));
    for (int i = 0; i < destLength; ++i) {
        const double centre = i / scale;
        const int first = int(std::floor(centre - width)), last = int(std::ceil(centre + width));
        for (int j = first; j <= last; ++j) {
            const double distance = centre - j;
            if (std::fabs(distance) >= width) continue;
            const double value = ResampleFilterValue(filter, distance * valueScale) * valueScale;
            if (value == 0) continue;
            int n = j < 0 ? -j : j >= sourceLength ? 2 * sourceLength - 1 - j : j;
            n = std::clamp(n, 0, sourceLength - 1);
            taps[size_t(i)].push_back({n, int(std::lround(value * 65536))});
        }
    }
    return taps;
}

// One axis: `count` lines of `length` samples each, `channels` bytes per
// sample; sample k of line l lies at base + l * lineStep + k * sampleStep.
struct TAxisLayout {
    int Count;
    long LineStep;
    long SampleStep;
};

void ResampleAxis(const uint8_t* source, const TAxisLayout& from, uint8_t* dest, const TAxisLayout& to, int channels,
                  const std::vector<std::vector<TTap>>& taps) {
    for (int line = 0; line < from.Count; ++line) {
        const uint8_t* s = source + line * from.LineStep;
        uint8_t* d = dest + line * to.LineStep;
        for (size_t i = 0; i < taps.size(); ++i, d += to.SampleStep) {
            for (int c = 0; c < channels; ++c) {
                int64_t sum = 0;
                for (const TTap& t : taps[i]) sum += int64_t(t.Weight) * s[t.Index * from.SampleStep + c];
                d[c] = uint8_t(std::clamp<int64_t>((sum + 32768) >> 16, 0, 255));
            }
        }
    }
}

}  // namespace

double ResampleFilterSupport(TResampleFilter filter) {
    switch (filter) {
        case rfBox: return 0.51;
        case rfTriangle:
        case rfHermite: return 1;
        case rfBell: return 1.5;
        case rfBSpline:
        case rfMitchell: return 2;
        case rfLanczos3: return 3;
    }
    return 1;
}

double ResampleFilterValue(TResampleFilter filter, double x) {
    if (filter == rfBox) return x > -0.5 && x <= 0.5 ? 1 : 0;
    x = std::fabs(x);
    switch (filter) {
        case rfTriangle: return x < 1 ? 1 - x : 0;
        case rfHermite: return x < 1 ? (2 * x - 3) * x * x + 1 : 0;
        case rfBell:
            if (x < 0.5) return 0.75 - x * x;
            return x < 1.5 ? 0.5 * (x - 1.5) * (x - 1.5) : 0;
        case rfBSpline:
            if (x < 1) return x * x * (x / 2 - 1) + 2.0 / 3;
            return x < 2 ? (2 - x) * (2 - x) * (2 - x) / 6 : 0;
        case rfLanczos3: {
            if (x == 0) return 1;
            if (x >= 3) return 0;
            return std::sin(std::numbers::pi * x) * std::sin(x) / (std::numbers::pi * x * x);
        }
        case rfMitchell:
            if (x < 1) return 7.0 / 6 * x * x * x - 2 * x * x + 8.0 / 9;
            return x < 2 ? -7.0 / 18 * x * x * x + 2 * x * x - 10.0 / 3 * x + 16.0 / 9 : 0;
        case rfBox: break;
    }
    return 0;
}

void ResampleBitmap(const gfx::TBitmap& source, gfx::TBitmap& destination, int width, TResampleFilter filter,
                    int height) {
    if (source.Width() < 2 || source.Height() < 2) throw rtl::Exception("Source bitmap is too small");
    width = std::max(width, 0), height = std::max(height, 0);
    if (width == source.Width() && height == source.Height()) {
        destination.Assign(source);
        return;
    }
    const gfx::TBitmap* src = &source;
    gfx::TBitmap converted;
    if (source.PixelFormat() != gfx::pf32bit && source.PixelFormat() != gfx::pf24bit) {
        converted.Assign(source);
        converted.SetPixelFormat(gfx::pf24bit);
        src = &converted;
    }
    const gfx::TPixelFormat format = src->PixelFormat();
    const int channels = gfx::TBitmap::BytesPerPixelOf(format);
    destination = gfx::TBitmap(width, height, format);
    if (width == 0 || height == 0) return;

    // Across the rows into width x source height, then down the columns.
    gfx::TBitmap across(width, src->Height(), format);
    ResampleAxis(src->ScanLine(0), {src->Height(), src->Stride(), channels}, across.ScanLine(0),
                 {src->Height(), across.Stride(), channels}, channels, AxisTaps(src->Width(), width, filter));
    ResampleAxis(across.ScanLine(0), {width, channels, across.Stride()}, destination.ScanLine(0),
                 {width, channels, destination.Stride()}, channels, AxisTaps(src->Height(), height, filter));
}

}  // namespace skinpaint
