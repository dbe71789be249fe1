// The skinned controls on the headless desktop with the internal skin.
//
// Gauge repaint: one change of a progress-window gauge's value (369 x 17) with
// the immediate repaint it brings, the picture composed from the skin and
// shown, against a plain copy of the same pixels onto the same place of the
// window. Prints microseconds for both and `RATIO gaugerepaint_vs_copy`.
//
// Light sweep: the progress window with both gauges sweeping, left alone for
// ten seconds of real time as while a job waits on the network, again with
// the light off, and hidden as between jobs; prints the share of one core the
// process took (user and system time over wall time).
// KESTRUNE_BACKEND=x11 measures the sweep on the X display instead.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "../controls/GaugeTestKit.h"
#include "BenchTiming.h"
#include "ui/Paint.h"

namespace {

using gaugetest::TGaugeDesktop;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void GaugeRepaint() {
    TGaugeDesktop desktop;
    controls::TsGauge& gauge = *desktop.Form->sGauge1;
    gauge.SetAnimated(false);
    const ui::HWND window = desktop.Form->Handle();
    gfx::TBitmap shown = desktop.Shown(gauge);
    int value = 49;
    const auto [repaint, copy] = bench::BestTimes(
        [&] {
            value = value == 49 ? 51 : 49;
            gauge.SetProgress(value);
        },
        [&] {
            ui::HDC dc = ui::GetDC(window);
            dc->BitBlt(gauge.Left(), gauge.Top(), shown.Width(), shown.Height(), shown.Canvas(), 0, 0);
            ui::ReleaseDC(window, dc);
        });
    std::printf("gauge change with its repaint %dx%d: %.3f us\n", gauge.Width(), gauge.Height(), repaint * 1e6);
    std::printf("plain copy of its pixels: %.3f us\n", copy * 1e6);
    std::printf("RATIO gaugerepaint_vs_copy %.2f\n", repaint / copy);
}

// The share of one core the progress window takes over ten seconds of real
// time, its gauges sweeping or not.
double ProgressWindowLoad(TGaugeDesktop& desktop, bool animated) {
    for (controls::TsGauge* gauge : {desktop.Form->sGauge1, desktop.Form->sGauge2}) gauge->SetAnimated(animated);
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const double cpuStart = CpuSeconds();
    bool ended = false;
    const ui::UINT_PTR timer =
        ui::SetTimer(nullptr, 0, 10000, [&](ui::HWND, ui::UINT, ui::UINT_PTR, ui::DWORD) { ended = true; });
    ui::ModalLoop([&] { return ended; });
    ui::KillTimer(nullptr, timer);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    return 100.0 * (CpuSeconds() - cpuStart) / wall;
}

void LightSweepLoad(bool x11) {
    TGaugeDesktop desktop(x11);
    desktop.Form->sGauge1->SetProgress(50);
    desktop.Form->sGauge2->SetProgress(100);
    if (!x11) ui::headless::SetTestClock(false);
    const double sweeping = ProgressWindowLoad(desktop, true);
    const double still = ProgressWindowLoad(desktop, false);
    // Between jobs the window is hidden and the lights' timers tick on.
    desktop.Form->Hide();
    const double hidden = ProgressWindowLoad(desktop, true);
    std::printf("progress window on the %s desktop, 10 s each: %.2f %% of one core with both gauges sweeping, "
                "%.2f %% with the light off, %.2f %% hidden with the lights on\n",
                x11 ? "X11" : "headless", sweeping, still, hidden);
}

}  // namespace

int main() {
    const char* backend = std::getenv("KESTRUNE_BACKEND");
    const bool x11 = backend && std::strcmp(backend, "x11") == 0;
    if (!x11) GaugeRepaint();
    LightSweepLoad(x11);
    return 0;
}
