// One step of a control fade at the size of a speed button (113 x 35): the
// old picture copied into the frame and mixed with the new look, as the fade
// timers make each frame, against a plain copy of the same pixels in the same
// run.
//
// Prints microseconds for both, the step's share of the 10 ms step interval,
// and `RATIO fadestep_vs_copy` (the step's time over the copy's; a step is a
// copy and one blend pass, so about 2 to 4 is what the work asks for).
#include <cstdio>

#include "BenchTiming.h"
#include "skinpaint/sFadeBlend.h"

namespace {

gfx::TBitmap Picture(int width, int height, int seed) {
    gfx::TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width * 4; ++x) b.ScanLine(y)[x] = uint8_t((x * 7 + y * 13 + seed) % 256);
    return b;
}

}  // namespace

int main() {
    const int w = 113, h = 35, steps = 20;
    const gfx::TBitmap start = Picture(w, h, 3), cache = Picture(w, h, 101);
    gfx::TBitmap frame(w, h), copy(w, h);
    int step = 0;
    const auto [fade, plain] = bench::BestTimes(
        [&] {
            step = step % steps + 1;
            frame.Assign(start);
            skinpaint::FadeBlend(frame, cache, skinpaint::FadeAlpha(step, steps));
        },
        [&] { copy.Assign(cache); }, 25);
    std::printf("fade step %dx%d: %.3f us (%.4f %% of the 10 ms interval)\n", w, h, fade * 1e6, fade * 1e6 / 100.0);
    std::printf("plain copy %dx%d: %.3f us\n", w, h, plain * 1e6);
    std::printf("RATIO fadestep_vs_copy %.2f\n", fade / plain);
    return 0;
}
