#pragma once
// Small helpers for pixel-exact checks.
#include <cstdint>
#include <string>

#include "gfx/PixelAccess.h"
#include "gfx/TBitmap.h"

namespace gfxtest {

// The four bytes of a pf32bit pixel as 0xAARRGGBB.
inline uint32_t Px(const gfx::TBitmap& b, int x, int y) { return gfx::LoadPixel32(gfx::PixelAt32(b, x, y)); }

inline void SetPx(gfx::TBitmap& b, int x, int y, uint32_t argb) { gfx::StorePixel32(gfx::PixelAt32(b, x, y), argb); }

// A pf32bit picture whose every pixel tells its place: blue x, green y, red 7, alpha 200.
inline gfx::TBitmap Numbered(int width, int height) {
    gfx::TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) SetPx(b, x, y, 0xC8070000u | uint32_t(y) << 8 | uint32_t(x));
    return b;
}

// Rows of the picture as text, one character per pixel: '#' where the pixel
// equals `ink` (0xAARRGGBB), '.' elsewhere.
inline std::string Picture(const gfx::TBitmap& b, uint32_t ink) {
    std::string s;
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) s += Px(b, x, y) == ink ? '#' : '.';
        s += '\n';
    }
    return s;
}

}  // namespace gfxtest
