#pragma once
// Reading and writing one pixel of each format, for the kernels of this library.
// Everything is inline and chosen at compile time through the format parameter,
// so loops over rows never make a call per pixel.
#include <cstdint>

#include "gfx/TBitmap.h"

namespace gfx {

struct TBgra {
    uint8_t B, G, R, A;
};

inline uint8_t GreyOf(int r, int g, int b) {
    return uint8_t((r * 77 + g * 150 + b * 29 + 128) >> 8);
}

// A colour value as a pixel; system colours are resolved.
inline TBgra ColorToBgra(TColor color) {
    const TColor c = ColorToRGB(color);
    return {uint8_t(GetBValue(c)), uint8_t(GetGValue(c)), uint8_t(GetRValue(c)), 255};
}

inline TColor BgraToColor(TBgra p) { return RGB(p.R, p.G, p.B); }

// Formats without alpha read as opaque; writing drops what the format cannot hold.
template <TPixelFormat F>
struct TPixel;

template <>
struct TPixel<pf32bit> {
    static constexpr int Size = 4;
    static TBgra Load(const uint8_t* p) { return {p[0], p[1], p[2], p[3]}; }
    static void Store(uint8_t* p, TBgra c) { p[0] = c.B, p[1] = c.G, p[2] = c.R, p[3] = c.A; }
};

template <>
struct TPixel<pf24bit> {
    static constexpr int Size = 3;
    static TBgra Load(const uint8_t* p) { return {p[0], p[1], p[2], 255}; }
    static void Store(uint8_t* p, TBgra c) { p[0] = c.B, p[1] = c.G, p[2] = c.R; }
};

template <>
struct TPixel<pf8bit> {
    static constexpr int Size = 1;
    static TBgra Load(const uint8_t* p) { return {p[0], p[0], p[0], 255}; }
    static void Store(uint8_t* p, TBgra c) { p[0] = GreyOf(c.R, c.G, c.B); }
};

// Calls f.template operator()<F>() for the bitmap's format, so that one generic
// kernel serves all three formats.
template <typename Kernel>
decltype(auto) WithFormat(TPixelFormat format, Kernel&& f) {
    switch (format) {
        case pf8bit: return f.template operator()<pf8bit>();
        case pf24bit: return f.template operator()<pf24bit>();
        default: return f.template operator()<pf32bit>();
    }
}

inline TBgra LoadPixel(const TBitmap& b, int x, int y) {
    return WithFormat(b.PixelFormat(), [&]<TPixelFormat F>() {
        return TPixel<F>::Load(b.ScanLine(y) + x * TPixel<F>::Size);
    });
}

inline void StorePixel(TBitmap& b, int x, int y, TBgra c) {
    WithFormat(b.PixelFormat(), [&]<TPixelFormat F>() {
        TPixel<F>::Store(b.ScanLine(y) + x * TPixel<F>::Size, c);
    });
}

}  // namespace gfx
