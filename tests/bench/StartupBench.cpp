// Start-up on X11 under Xvfb: from the start of `kestrune` to its main window
// painted on the screen, against a minimal Xlib program that maps and paints
// one window of about the same size, in alternating rounds on the same
// display. Prints the best times and `RATIO startup_vs_xlib`.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "TBenchHome.h"
#include "TPaintWatch.h"
#include "TTestProcess.h"
#include "TXvfbDisplay.h"

namespace {

constexpr int kRounds = 7;

// Seconds from the start of `arguments` to its window painted; a negative
// value when no window showed.
double StartToPainted(TPaintWatch& watch, const std::vector<std::string>& arguments,
                      const std::vector<std::string>& environment) {
    watch.Arm();
    const auto start = TPaintWatch::Clock::now();
    TTestProcess program(arguments, environment);
    const auto painted = watch.WaitPainted();
    program.Kill();
    return painted ? std::chrono::duration<double>(*painted - start).count() : -1;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    if (!ProgramInPath("Xvfb")) {
        std::printf("Xvfb is not installed: nothing measured\n");
        return 0;
    }
    TXvfbDisplay display;
    TPaintWatch watch(display.Name());
    const TBenchHome home("kestrune-bench-startup", KESTRUNE_PROGRAM, display.Name());
    std::vector<double> ours, xlib;
    for (int round = 0; round < kRounds; ++round) {
        xlib.push_back(StartToPainted(watch, {XLIB_WINDOW, "380", "280"}, home.Environment()));
        ours.push_back(StartToPainted(watch, {home.Program()}, home.Environment()));
    }
    if (*std::min_element(ours.begin(), ours.end()) < 0 || *std::min_element(xlib.begin(), xlib.end()) < 0) {
        std::fprintf(stderr, "a window never showed\n");
        return 1;
    }
    const double bestOurs = *std::min_element(ours.begin(), ours.end());
    const double bestXlib = *std::min_element(xlib.begin(), xlib.end());
    std::printf("minimal Xlib window: best %.1f ms, median %.1f ms\n", bestXlib * 1e3, Median(xlib) * 1e3);
    std::printf("kestrune main window: best %.1f ms, median %.1f ms\n", bestOurs * 1e3, Median(ours) * 1e3);
    std::printf("RATIO startup_vs_xlib %.2f\n", bestOurs / bestXlib);
    return 0;
}
