// The skinned frame of a main-window-like form (single border, 372 x 250
// client) on the headless desktop with the internal skin: the whole window
// painted into the provider's picture (borders, title band, icon, caption,
// title buttons) and its frame copied to the window, as each WM_NCPAINT after
// a change does, against a plain copy of as many pixels as the picture holds.
//
// Prints microseconds for both and `RATIO framepaint_vs_copy` (the frame
// paint's time over the copy's).
#include <cstdio>
#include <string>

#include "BenchTiming.h"
#include "InternalSkinManager.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sBlockCopy.h"
#include "skinpaint/sSkinProvider.h"
#include "ui/Headless.h"
#include "ui/MessageLoop.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomForm.h"

namespace {

const char* const Layout = R"(object Form1: TForm
  BorderStyle = bsSingle
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = 'Kestrune YouTube Converter 2.8'
  ClientWidth = 372
  ClientHeight = 250
  object sSkinProvider1: TsSkinProvider
    SkinData.SkinSection = 'FORM'
  end
end
)";

}  // namespace

int main() {
    ui::headless::Reset(800, 600);
    auto* manager = skinkit::InternalSkinManager();

    auto* form = new vcl::TForm(vcl::Application);
    form->ReadLayout(Layout);
    auto* provider = dynamic_cast<skinpaint::TsSkinProvider*>(form->Components(0));
    if (!provider) return 1;
    form->Show();
    ui::ProcessPendingMessages();

    const gfx::TBitmap& picture = *provider->SkinData().CachePicture;
    const int w = picture.Width(), h = picture.Height();
    gfx::TBitmap source(w, h), target(w, h);
    const auto [frame, copy] = bench::BestTimes(
        [&] {
            provider->SkinData().PictureStale = true;
            provider->CopyFrameToScreen();
        },
        [&] { skinpaint::CopyBlock(target, 0, 0, source, {0, 0, w, h}); }, 15);
    std::printf("frame paint and copy %dx%d: %.1f us\n", w, h, frame * 1e6);
    std::printf("plain copy %dx%d: %.1f us\n", w, h, copy * 1e6);
    std::printf("RATIO framepaint_vs_copy %.2f\n", frame / copy);
    form->Free();
    manager->Free();
    return 0;
}
