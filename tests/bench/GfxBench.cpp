// Block and stretch copies of a 372 x 250 picture (the main window's client
// size) through TCanvas against pixman doing the same on the same pixels, and
// the time to draw a typical label. Prints our throughput over pixman's.
#include <pixman.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>

#include "BenchTiming.h"
#include "gfx/TCanvas.h"

using namespace gfx;

namespace {

using Clock = std::chrono::steady_clock;
using bench::BestTimes;
using bench::CallTime;

pixman_image_t* Wrap(TBitmap& b) {
    return pixman_image_create_bits(PIXMAN_a8r8g8b8, b.Width(), b.Height(),
                                    reinterpret_cast<uint32_t*>(b.ScanLine(0)), b.Stride());
}

TBitmap Picture(int width, int height) {
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = b.ScanLine(y) + x * 4;
            p[0] = uint8_t(x * 7), p[1] = uint8_t(y * 5), p[2] = uint8_t(x ^ y), p[3] = 255;
        }
    return b;
}

// Our stretch against pixman's nearest-pixel scaling into a width x height picture.
std::pair<double, double> Stretch(TBitmap& source, int width, int height) {
    TBitmap ours(width, height), theirs(width, height);
    pixman_image_t* src = Wrap(source);
    pixman_image_t* dst = Wrap(theirs);
    pixman_transform_t scale;
    pixman_transform_init_scale(&scale, pixman_double_to_fixed(double(source.Width()) / width),
                                pixman_double_to_fixed(double(source.Height()) / height));
    pixman_image_set_transform(src, &scale);
    pixman_image_set_filter(src, PIXMAN_FILTER_NEAREST, nullptr, 0);
    const auto [our, their] = BestTimes(
        [&] { ours.Canvas().StretchBlt(0, 0, width, height, source.Canvas(), 0, 0, source.Width(), source.Height()); },
        [&] { pixman_image_composite32(PIXMAN_OP_SRC, src, nullptr, dst, 0, 0, 0, 0, 0, 0, width, height); });
    int differing = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            differing += std::memcmp(ours.ScanLine(y) + x * 4, theirs.ScanLine(y) + x * 4, 4) != 0;
    std::printf("stretch 372x250 -> %dx%d: ours %.1f us, pixman %.1f us, %d of %d pixels picked differently\n", width,
                height, our * 1e6, their * 1e6, differing, width * height);
    pixman_image_unref(src);
    pixman_image_unref(dst);
    return {our, their};
}

}  // namespace

int main() {
    TBitmap source = Picture(372, 250), ours(372, 250), theirs(372, 250);
    pixman_image_t* src = Wrap(source);
    pixman_image_t* dst = Wrap(theirs);
    const auto [ourBlt, theirBlt] = BestTimes(
        [&] { ours.Canvas().BitBlt(0, 0, 372, 250, source.Canvas(), 0, 0); },
        [&] { pixman_image_composite32(PIXMAN_OP_SRC, src, nullptr, dst, 0, 0, 0, 0, 0, 0, 372, 250); });
    pixman_image_unref(src);
    pixman_image_unref(dst);
    std::printf("block copy 372x250: ours %.1f us, pixman %.1f us\n", ourBlt * 1e6, theirBlt * 1e6);
    std::printf("RATIO blt_vs_pixman %.3f\n", theirBlt / ourBlt);

    const auto [ourUp, theirUp] = Stretch(source, 558, 375);
    const auto [ourDown, theirDown] = Stretch(source, 251, 169);
    std::printf("RATIO stretch_vs_pixman %.3f\n", (theirUp + theirDown) / (ourUp + ourDown));

    // A 40-character label as the windows draw them, glyphs already cached.
    TBitmap label(372, 20);
    TCanvas& c = label.Canvas();
    c.Brush.Style = bsClear;
    c.Font.Color = RGB(33, 33, 33);
    const auto coldStart = Clock::now();
    TRect r{0, 0, 372, 20};
    c.DrawText("Open video file when process completes..", r, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    const double cold = std::chrono::duration<double>(Clock::now() - coldStart).count();
    double warm = 1e9;
    for (int round = 0; round < 15; ++round)
        warm = std::min(warm, CallTime([&] {
                            TRect box{0, 0, 372, 20};
                            c.DrawText("Open video file when process completes..", box,
                                       DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
                        }));
    std::printf("label of 40 characters: %.1f us (first draw, loading the font: %.0f us)\n", warm * 1e6, cold * 1e6);
}
