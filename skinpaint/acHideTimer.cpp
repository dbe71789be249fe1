#include "skinpaint/acHideTimer.h"

#include <cmath>

#include "skin/sGlowHook.h"
#include "skinpaint/sSkinProvider.h"
#include "skinpaint/sWindowImage.h"
#include "ui/MessageLoop.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomForm.h"

namespace skinpaint {

namespace {

TacHideTimer* gInstance = nullptr;

}  // namespace

TacHideTimer::TacHideTimer(vcl::TComponent* owner) : skin::TacThreadedTimer(owner, nullptr) {
    SetInterval(AnimationInterval);
    TimerToStep();
}

TacHideTimer::~TacHideTimer() {
    DropWindow();
    if (gInstance == this) gInstance = nullptr;
}

TacHideTimer& TacHideTimer::Instance() {
    if (!gInstance) gInstance = new TacHideTimer(vcl::Application);
    return *gInstance;
}

TacHideTimer* TacHideTimer::Existing() { return gInstance; }

void TacHideTimer::DropWindow() {
    if (FWindow && ui::IsWindow(FWindow)) ui::DestroyWindow(FWindow);
    FWindow = nullptr;
    FSource = gfx::TBitmap();
    FDestination = gfx::TBitmap();
}

void TacHideTimer::Stop() {
    SetEnabled(false);
    DropWindow();
}

void TacHideTimer::Start(ui::HWND window, gfx::TBitmap picture, int time, skin::TacAnimType mode, int startOpacity) {
    Stop();
    const int steps = AnimationSteps(time);
    if (steps == 0 || picture.Empty() || !ui::IsWindow(window)) {
        if (ui::IsWindow(window)) ui::DestroyWindow(window);
        return;
    }
    FWindow = window;
    FSource = std::move(picture);
    FDestination.SetSize(FSource.Width(), FSource.Height());
    FMode = mode;
    FSteps = steps;
    FCounter = 0;
    FOpacity = startOpacity;
    FDecrement = double(startOpacity) / steps;
    const double w = FSource.Width(), h = FSource.Height();
    FRect = {0, 0, w, h};
    FDeltaX = -w / (8.0 * steps);
    FDeltaY = -h / (8.0 * steps);
    FPlace = ui::GetWindowRect(window);
    ui::SetWindowLongPtr(window, ui::GWL_EXSTYLE,
                         ui::GetWindowLongPtr(window, ui::GWL_EXSTYLE) | ui::WS_EX_LAYERED | ui::WS_EX_NOACTIVATE);
    ShowLayeredPicture(window, FPlace, FSource, startOpacity);
    ui::SetWindowPos(window, ui::HWND_TOPMOST, 0, 0, 0, 0,
                     ui::SWP_NOMOVE | ui::SWP_NOSIZE | ui::SWP_NOACTIVATE | ui::SWP_NOREDRAW);
    if (vcl::Application->Terminated()) {
        // No loop will run the timer any more: the steps run here.
        while (FWindow) {
            Step();
            if (FWindow) ui::Sleep(AnimationInterval);
        }
        return;
    }
    Step();
    SetEnabled(true);
}

void TacHideTimer::Step() {
    if (!FWindow) return;
    if (FCounter > FSteps || !ui::IsWindow(FWindow)) {
        Stop();
        return;
    }
    FOpacity = std::max(0.0, FOpacity - FDecrement);
    DrawAnimationFrame(FDestination, FSource, FMode == skin::atAero, FRect);
    ShowLayeredPicture(FWindow, FPlace, FDestination, int(std::lround(FOpacity)));
    FRect.Left -= FDeltaX;
    FRect.Top -= FDeltaY;
    FRect.Right += FDeltaX;
    FRect.Bottom += FDeltaY;
    ++FCounter;
}

void AnimateHide(ui::HWND window, gfx::TBitmap picture, int time, skin::TacAnimType mode, int startOpacity) {
    TacHideTimer::Instance().Start(window, std::move(picture), time, mode, startOpacity);
}

TacPreparedHide::TacPreparedHide(TsSkinProvider& provider) {
    vcl::TCustomForm& form = *provider.Form();
    if (!form.HandleAllocated() || !provider.SkinData().CachePicture) return;
    // Glows are windows of their own and would stay behind.
    skin::HideAllGlows(true);
    FPicture = FormImage(provider);
    if (FPicture.Empty()) return;
    FWindow = std::make_unique<TacAnimationWindow>(ui::GetWindowRect(form.Handle()), form.Handle());
    FWindow->Show(FPicture, 255);
}

void TacPreparedHide::Play(int time, skin::TacAnimType mode) {
    if (!FWindow) return;
    AnimateHide(FWindow->Release(), std::move(FPicture), time, mode, 255);
    FWindow.reset();
}

}  // namespace skinpaint
