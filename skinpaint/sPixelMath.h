#pragma once
// The rounding rules of the painters, named once so that every kernel rounds
// the same way, and the painters' test for a surface they work on. Pixels are
// read and written through gfx/PixelAccess.h.
#include <cmath>
#include <cstdint>

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

inline bool Is32(const gfx::TBitmap& b) { return b.PixelFormat() == gfx::pf32bit && !b.Empty(); }

}  // namespace skinpaint
