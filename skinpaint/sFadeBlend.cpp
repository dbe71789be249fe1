#include "skinpaint/sFadeBlend.h"

#include <algorithm>

#include "skinpaint/sPixelKernels.h"

namespace skinpaint {

int FadeAlpha(int step, int steps) {
    if (steps <= 0) return 0;
    return std::clamp(255 - step * 256 / steps, 0, 255);
}

void FadeBlend(gfx::TBitmap& frame, const gfx::TBitmap& current, int a) {
    if (frame.PixelFormat() != gfx::pf32bit || current.PixelFormat() != gfx::pf32bit) return;
    const int width = std::min(frame.Width(), current.Width());
    const int height = std::min(frame.Height(), current.Height());
    if (width <= 0) return;
    a = std::clamp(a, 0, 255);
    for (int y = 0; y < height; ++y) kernels::BlendOverRun(frame.ScanLine(y), current.ScanLine(y), size_t(width), a);
}

}  // namespace skinpaint
