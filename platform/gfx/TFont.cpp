#include "gfx/TFont.h"

#include <cstdlib>

namespace gfx {

namespace {
// MulDiv: a * b / c rounded half away from zero.
int MulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    return static_cast<int>((p + (p >= 0 ? c / 2 : -c / 2)) / c);
}
}  // namespace

int TFont::Size() const { return -MulDiv(Height, 72, PixelsPerInch); }

void TFont::SetSize(int points) { Height = -MulDiv(points, PixelsPerInch, 72); }

}  // namespace gfx
