#include "skinpaint/sGlowText.h"

#include <algorithm>
#include <cmath>

#include "gfx/PixelAccess.h"
#include "gfx/TCanvas.h"
#include "skinpaint/sPixelMath.h"

namespace skinpaint {

namespace {

// The text in black on white, once plus once per copy bit.
void RenderMap(gfx::TBitmap& map, const gfx::TFont& font, std::string_view text, const gfx::TRect& rect, int margin,
               unsigned copies, unsigned format) {
    gfx::TCanvas& c = map.Canvas();
    c.Brush = {gfx::clWhite, gfx::bsSolid};
    c.FillRect({0, 0, map.Width(), map.Height()});
    c.Font = font;
    c.Font.Color = gfx::clBlack;
    c.Brush.Style = gfx::bsClear;
    const gfx::TRect at = gfx::Bounds(margin, margin, rect.Width(), rect.Height());
    const gfx::TPoint moves[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    gfx::TRect r = at;
    c.DrawText(text, r, format);
    for (int bit = 0; bit < 4; ++bit) {
        if (!(copies & (1u << bit))) continue;
        r = gfx::OffsetRect(at, moves[bit].X, moves[bit].Y);
        c.DrawText(text, r, format);
    }
}

// Every sample of each line becomes the kernel's weighted sum of its
// neighbours along the line, ends repeated, limited to 0..255 and truncated.
void BlurLines(gfx::TBitmap& map, const std::vector<double>& kernel, bool columns) {
    const int r = int(kernel.size() / 2);
    const int lines = columns ? map.Width() : map.Height(), length = columns ? map.Height() : map.Width();
    std::vector<uint8_t> line(static_cast<size_t>(length));
    for (int l = 0; l < lines; ++l) {
        auto at = [&](int i) -> uint8_t& { return columns ? map.ScanLine(i)[l] : map.ScanLine(l)[i]; };
        for (int i = 0; i < length; ++i) line[size_t(i)] = at(i);
        for (int i = 0; i < length; ++i) {
            double sum = 0;
            for (int k = -r; k <= r; ++k) sum += kernel[size_t(k + r)] * line[size_t(std::clamp(i + k, 0, length - 1))];
            at(i) = uint8_t(std::clamp(sum, 0.0, 255.0));
        }
    }
}

}  // namespace

std::vector<double> GlowKernel(int size) {
    if (size <= 0) return {1.0};
    double weights[201], total = 0;
    for (int k = -100; k <= 100; ++k) {
        const double q = double(k) / size;
        total += weights[k + 100] = std::exp(-q * q / 2);
    }
    int r = 100;
    double dropped = 0;
    while (r > 1) {
        dropped += 2 * weights[100 + r] / total;
        --r;
        if (dropped >= 1.0 / 510) break;
    }
    std::vector<double> kernel(weights + 100 - r, weights + 100 + r + 1);
    double kept = 0;
    for (double w : kernel) kept += w;
    for (double& w : kernel) w /= kept;
    return kernel;
}

void DrawGlowText(gfx::TBitmap& bitmap, std::string_view text, const gfx::TRect& rect, gfx::TBitmap& glowMap,
                  TColor color, int size, unsigned copies, unsigned format) {
    if (size <= 0 || rect.IsEmpty() || !Is32(bitmap)) return;
    const int margin = size + 4;
    const int w = rect.Width() + 2 * margin, h = rect.Height() + 2 * margin;
    if (glowMap.Width() != w || glowMap.Height() != h || glowMap.PixelFormat() != gfx::pf8bit) {
        glowMap = gfx::TBitmap(w, h, gfx::pf8bit);
        RenderMap(glowMap, bitmap.Canvas().Font, text, rect, margin, copies, format);
        const std::vector<double> kernel = GlowKernel(size);
        BlurLines(glowMap, kernel, false);
        BlurLines(glowMap, kernel, true);
    }
    const gfx::TBgra k = gfx::ColorToBgra(color);
    const int kc[3] = {k.B, k.G, k.R};
    const int left = rect.Left - margin, top = rect.Top - margin;
    for (int y = std::max(0, -top); y < h && top + y < bitmap.Height(); ++y) {
        const uint8_t* v = glowMap.ScanLine(y);
        for (int x = std::max(0, -left); x < w && left + x < bitmap.Width(); ++x) {
            if (v[x] == 255) continue;
            uint8_t* d = gfx::PixelAt32(bitmap, left + x, top + y);
            for (int c = 0; c < 3; ++c) d[c] = uint8_t(kc[c] + (d[c] - kc[c]) * v[x] / 255);
            d[3] = uint8_t(d[3] + (255 - v[x]) * (255 - d[3]) / 255);
        }
    }
}

}  // namespace skinpaint
