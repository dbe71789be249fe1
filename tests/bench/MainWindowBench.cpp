// The main window as the program makes it, on the headless desktop with the
// internal skin: a whole repaint of its client area with every control in
// it, against a plain copy of as many pixels onto the same place. Prints
// microseconds for both and `RATIO mainrepaint_vs_copy`; and, for scale, the
// same repaint after a skin refresh, when every control composes its picture
// anew.
#include <cstdio>

#include "BenchTiming.h"
#include "app/AppResources.h"
#include "app/ProgramEnd.h"
#include "app/ProgramWindows.h"
#include "app/Unit1.h"
#include "ui/Headless.h"
#include "ui/Paint.h"
#include "vcl/TApplication.h"

int main() {
    ui::headless::Reset(1024, 768);
    app::RegisterAppResources();
    app::CreateProgramWindows();
    Form1->Show();
    vcl::Application->ProcessMessages();
    const ui::HWND window = Form1->Handle();
    const int width = Form1->ClientWidth(), height = Form1->ClientHeight();
    gfx::TBitmap shown;
    shown.Assign(ui::headless::WindowImage(window));
    const auto repaint = [&] {
        ui::RedrawWindow(window, nullptr, nullptr,
                         ui::RDW_INVALIDATE | ui::RDW_ERASE | ui::RDW_ALLCHILDREN | ui::RDW_UPDATENOW);
    };
    const auto [painted, copied] = bench::BestTimes(repaint, [&] {
        ui::HDC dc = ui::GetDC(window);
        dc->BitBlt(0, 0, width, height, shown.Canvas(), 0, 0);
        ui::ReleaseDC(window, dc);
    });
    const double composed = bench::BestTime([&] {
        Form1->sSkinManager1->RepaintAll(false);
        repaint();
    });
    std::printf("main window client area %dx%d repainted with its controls: %.1f us\n", width, height, painted * 1e6);
    std::printf("plain copy of its pixels: %.1f us\n", copied * 1e6);
    std::printf("after a skin refresh, every picture composed anew: %.1f us\n", composed * 1e6);
    std::printf("RATIO mainrepaint_vs_copy %.2f\n", painted / copied);
    app::DestroyForms();
    return 0;
}
