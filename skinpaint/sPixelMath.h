#pragma once
// The rounding rules of the painters, named once so that every kernel rounds
// the same way, and whole-pixel access to 32-bit rows (blue, green, red, alpha
// in memory order, so a pixel read as one little-endian word is 0xAARRGGBB).
#include <cmath>
#include <cstdint>
#include <cstring>

#include "gfx/Colors.h"
#include "gfx/TBitmap.h"

namespace skinpaint {

// x rounded to the nearest integer, halves away from zero.
inline int Nearest(double x) { return static_cast<int>(std::lround(x)); }

// num / den rounded to the nearest integer, halves up; num >= 0, den > 0. The
// exact form of nearest(p / 100 * c + ...) for percentages of whole bytes.
inline int RoundDiv(int64_t num, int64_t den) { return static_cast<int>((2 * num + den) / (2 * den)); }

// x / 255 truncated, exact for 0 <= x <= 65534 (products of two bytes).
inline int Div255(int x) { return (x + 1 + (x >> 8)) >> 8; }

inline uint8_t ClampByte(int x) { return static_cast<uint8_t>(x < 0 ? 0 : x > 255 ? 255 : x); }

inline uint32_t LoadPixel32(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}
inline void StorePixel32(uint8_t* p, uint32_t v) { std::memcpy(p, &v, 4); }

// A colour value (0x00BBGGRR, system colours resolved) as a pixel word with
// the given alpha.
inline uint32_t ColorToPixel(gfx::TColor color, uint8_t alpha) {
    const gfx::TColor c = gfx::ColorToRGB(color);
    return uint32_t(gfx::GetBValue(c)) | uint32_t(gfx::GetGValue(c)) << 8 | uint32_t(gfx::GetRValue(c)) << 16 |
           uint32_t(alpha) << 24;
}
inline gfx::TColor PixelToColor(uint32_t pixel) {
    return gfx::RGB(int(pixel >> 16 & 0xFF), int(pixel >> 8 & 0xFF), int(pixel & 0xFF));
}

inline uint8_t* PixelAt(gfx::TBitmap& b, int x, int y) { return b.ScanLine(y) + size_t(x) * 4; }
inline const uint8_t* PixelAt(const gfx::TBitmap& b, int x, int y) { return b.ScanLine(y) + size_t(x) * 4; }

inline bool Is32(const gfx::TBitmap& b) { return b.PixelFormat() == gfx::pf32bit && !b.Empty(); }

}  // namespace skinpaint
