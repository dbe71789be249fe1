#pragma once
// Reading and writing one pixel of each format, for the kernels of this library
// and of the skin painters. Everything is inline and chosen at compile time
// through the format parameter, so loops over rows never make a call per pixel.
#include <cstdint>
#include <cstring>

#include "gfx/TBitmap.h"

namespace gfx {

struct TBgra {
    uint8_t B, G, R, A;
};

// The two greys of this program, each where the arithmetic of its users asks
// for it. 8-bit surfaces (the glow maps among them) hold the luminance,
// (77 R + 150 G + 29 B) / 256 rounded.
inline uint8_t LuminanceGrey(int r, int g, int b) { return uint8_t((r * 77 + g * 150 + b * 29 + 128) >> 8); }
// The skin painters' grey and tint take the plain average, truncated.
inline uint8_t AverageGrey(int r, int g, int b) { return uint8_t((r + g + b) / 3); }

// A colour value as a pixel with the given alpha; system colours are resolved.
inline TBgra ColorToBgra(TColor color, uint8_t alpha = 255) {
    const TColor c = ColorToRGB(color);
    return {uint8_t(GetBValue(c)), uint8_t(GetGValue(c)), uint8_t(GetRValue(c)), alpha};
}

inline TColor BgraToColor(TBgra p) { return RGB(p.R, p.G, p.B); }

// A 32-bit pixel read as one little-endian word is 0xAARRGGBB, so whole pixels
// (the skin's see-through key 0x00FF00FF among them) compare as one number.
inline uint32_t PackBgra(TBgra c) {
    return uint32_t(c.B) | uint32_t(c.G) << 8 | uint32_t(c.R) << 16 | uint32_t(c.A) << 24;
}
inline TBgra UnpackBgra(uint32_t v) {
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}
inline uint32_t ColorToPixel32(TColor color, uint8_t alpha) { return PackBgra(ColorToBgra(color, alpha)); }
inline TColor Pixel32ToColor(uint32_t pixel) { return BgraToColor(UnpackBgra(pixel)); }

inline uint32_t LoadPixel32(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}
inline void StorePixel32(uint8_t* p, uint32_t v) { std::memcpy(p, &v, 4); }

// The address of pixel (x, y) of a pf32bit bitmap.
inline uint8_t* PixelAt32(TBitmap& b, int x, int y) { return b.ScanLine(y) + size_t(x) * 4; }
inline const uint8_t* PixelAt32(const TBitmap& b, int x, int y) { return b.ScanLine(y) + size_t(x) * 4; }

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
    static void Store(uint8_t* p, TBgra c) { p[0] = LuminanceGrey(c.R, c.G, c.B); }
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
