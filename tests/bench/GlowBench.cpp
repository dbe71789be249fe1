// One glow placement on the headless desktop: the glow of the internal
// skin's BUTTON section around a 75 x 25 push button (a 91 x 41 window made,
// painted, handed to the compositor, shown and freed again), against a plain
// copy of the same 91 x 41 pixels in the same run.
//
// Prints microseconds for both and `RATIO glowshow_vs_copy` (the placement's
// time over the copy's). A glow is placed once per hover, so what matters is
// that it stays far below a frame of mouse movement; the ratio shows what the
// window around the pixels costs.
#include <cstdio>
#include <string>

#include "BenchTiming.h"
#include "InternalSkinManager.h"
#include "skin/sSkinManager.h"
#include "skinpaint/acGlowEffect.h"
#include "ui/DefWindowProc.h"
#include "ui/Headless.h"
#include "ui/MessageLoop.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"

int main() {
    ui::headless::Reset(640, 480);
    auto* manager = skinkit::InternalSkinManager();
    const int entry = manager->FindMaskExact("BUTTON", "GLOW0");
    if (entry < 0) {
        std::printf("the internal skin has no BUTTON glow\n");
        return 1;
    }

    ui::TWndClass wc;
    wc.ClassName = "GlowBenchOwner";
    wc.WndProc = ui::DefWindowProc;
    ui::RegisterClass(wc);
    const ui::HWND owner = ui::CreateWindowEx(0, "GlowBenchOwner", "", ui::WS_POPUP, 0, 0, 640, 480, nullptr, 0);
    ui::ShowWindow(owner, ui::SW_SHOWNA);
    ui::ProcessPendingMessages();

    const gfx::TRect element{200, 150, 275, 175};
    const gfx::TBitmap picture = skinpaint::GlowPicture(manager->Masks[size_t(entry)], {91, 41});
    gfx::TBitmap copy;
    bool shown = true;
    const auto [glow, plain] = bench::BestTimes(
        [&] {
            shown = shown && skinpaint::ShowGlow(element, {0, 0, 75, 25}, "BUTTON", manager, owner, 10, "GLOW") >= 0;
            skinpaint::HideAllGlows(true);
        },
        [&] { copy.Assign(picture); });
    if (!shown) {
        std::printf("no glow was shown\n");
        return 1;
    }
    std::printf("glow placement 91x41 (shown and freed): %.3f us\n", glow * 1e6);
    std::printf("plain copy 91x41: %.3f us\n", plain * 1e6);
    std::printf("RATIO glowshow_vs_copy %.2f\n", glow / plain);
    manager->Free();
    return 0;
}
