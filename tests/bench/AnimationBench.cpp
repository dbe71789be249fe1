// One step of a window animation at the size of the program's main window
// (378 x 284 with its frame): the frame of the step drawn from the window's
// picture (atFading: the whole picture; atAero: the picture stretched with
// the half-tone filter into the step's rectangle) and handed to the layered
// window at the step's opacity, on the headless desktop. The reference is a
// plain copy of the same pixels in the same run.
//
// Prints microseconds for each mode, their share of the 12 ms step interval
// (a step must stay well under a tenth of it), and `RATIO animstep_vs_copy`
// for the atAero step, the dearer of the two (a copy into the frame and a
// copy into the window's surface, plus the stretch: a few copies' worth).
#include <cstdio>

#include "BenchTiming.h"
#include "skinpaint/sAnimationWindow.h"
#include "skinpaint/sBlockCopy.h"
#include "ui/Headless.h"

namespace {

gfx::TBitmap Picture(int width, int height) {
    gfx::TBitmap b(width, height);
    for (int y = 0; y < height; ++y) {
        uint8_t* p = b.ScanLine(y);
        for (int x = 0; x < width; ++x, p += 4) {
            p[0] = uint8_t(x * 7 + y * 13), p[1] = uint8_t(x * 3 + y), p[2] = uint8_t(x + y * 5);
            p[3] = 255;
        }
    }
    return b;
}

}  // namespace

int main() {
    ui::headless::Reset(1024, 768);
    const int w = 378, h = 284, steps = 8;
    const gfx::TRect place = gfx::Bounds(100, 100, w, h);
    const gfx::TBitmap picture = Picture(w, h);
    skinpaint::TacAnimationWindow window(place, nullptr);
    gfx::TBitmap frame(w, h), copy(w, h);
    int step = 0;
    auto animationStep = [&](bool zoom) {
        step = step % (steps + 1);
        const double dx = w / 8.0 - step * w / (8.0 * steps), dy = h / 8.0 - step * h / (8.0 * steps);
        skinpaint::DrawAnimationFrame(frame, picture, zoom, {dx, dy, w - dx, h - dy});
        window.Show(frame, 255 * (step + 1) / (steps + 1));
        ++step;
    };
    const auto [aero, plain] = bench::BestTimes([&] { animationStep(true); },
                                                [&] {
                                                    skinpaint::CopyBlock(copy, 0, 0, picture, {0, 0, w, h});
                                                },
                                                25);
    const double fading = bench::BestTime([&] { animationStep(false); }, 25);
    std::printf("animation step %dx%d, atFading: %.1f us (%.2f %% of the 12 ms interval)\n", w, h, fading * 1e6,
                fading * 1e6 / 120.0);
    std::printf("animation step %dx%d, atAero: %.1f us (%.2f %% of the 12 ms interval)\n", w, h, aero * 1e6,
                aero * 1e6 / 120.0);
    std::printf("plain copy %dx%d: %.1f us\n", w, h, plain * 1e6);
    std::printf("RATIO animstep_vs_copy %.2f\n", aero / plain);
    return 0;
}
