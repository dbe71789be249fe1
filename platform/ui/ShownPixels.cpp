#include "ui/ShownPixels.h"

#include <cstring>

#include "ui/Layered.h"
#include "ui/Styles.h"

namespace ui {

namespace {
inline uint8_t Scale(int c, int a) { return uint8_t((c * a + 127) / 255); }
}  // namespace

void ShownRow(const TWindow& w, int y, int x, int width, uint8_t* out) {
    const uint8_t* src = w.Surface->ScanLine(y) + x * 4;
    const bool layered = (w.ExStyle & WS_EX_LAYERED) && w.Layered != TLayeredMode::Unset;
    if (!layered) {
        std::memcpy(out, src, size_t(width) * 4);
        for (int i = 0; i < width; ++i) out[i * 4 + 3] = 255;
        return;
    }
    const int constant = (w.LayeredFlags & (LWA_ALPHA | ULW_ALPHA)) ? w.LayeredAlpha : 255;
    const bool keyed = w.LayeredFlags & LWA_COLORKEY;  // ULW_COLORKEY has the same bit
    const gfx::TColor key = gfx::ColorToRGB(w.LayeredKey);
    const uint8_t kr = uint8_t(gfx::GetRValue(key)), kg = uint8_t(gfx::GetGValue(key)), kb = uint8_t(gfx::GetBValue(key));
    const bool perPixel = w.Layered == TLayeredMode::Picture && w.PerPixelAlpha;
    for (int i = 0; i < width; ++i, src += 4, out += 4) {
        if (keyed && src[0] == kb && src[1] == kg && src[2] == kr) {
            std::memset(out, 0, 4);
            continue;
        }
        if (perPixel) {
            // Premultiplied already; the constant opacity scales all four.
            for (int c = 0; c < 4; ++c) out[c] = Scale(src[c], constant);
        } else {
            for (int c = 0; c < 3; ++c) out[c] = Scale(src[c], constant);
            out[3] = uint8_t(constant);
        }
    }
}

}  // namespace ui
