#include "skinpaint/sAnimationWindow.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "gfx/TCanvas.h"
#include "skinpaint/sBlockCopy.h"
#include "ui/DefWindowProc.h"
#include "ui/Layered.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"

namespace skinpaint {

namespace {

bool gAnimating = false;
TacAnimationFrameObserver gObserver;

constexpr const char* AnimationWindowClass = "TacAnimationWindow";

void RegisterAnimationClass() {
    ui::TWndClass wc;
    if (ui::GetClassInfo(AnimationWindowClass, wc)) return;
    wc.ClassName = AnimationWindowClass;
    wc.WndProc = ui::DefWindowProc;
    wc.Background = gfx::clNone;
    ui::RegisterClass(wc);
}

}  // namespace

bool AnimationInProgress() { return gAnimating; }

TAnimationMark::TAnimationMark() : FOuter(!gAnimating) { gAnimating = true; }

TAnimationMark::~TAnimationMark() {
    if (FOuter) gAnimating = false;
}

void SetAnimationFrameObserver(TacAnimationFrameObserver observer) { gObserver = std::move(observer); }

void AnimationFrameShown(ui::HWND window, int opacity) {
    if (gObserver) gObserver({window, opacity});
}

gfx::TRect TacRectF::Rounded() const {
    return {int(std::lround(Left)), int(std::lround(Top)), int(std::lround(Right)), int(std::lround(Bottom))};
}

void DrawAnimationFrame(gfx::TBitmap& frame, const gfx::TBitmap& picture, bool zoom, const TacRectF& rect) {
    if (frame.Width() != picture.Width() || frame.Height() != picture.Height())
        frame.SetSize(picture.Width(), picture.Height());
    const gfx::TRect whole{0, 0, picture.Width(), picture.Height()};
    if (!zoom || rect.Left < 0 || rect.Top < 0) {
        CopyBlock(frame, 0, 0, picture, whole);
        return;
    }
    std::fill_n(frame.ScanLine(0), size_t(frame.Stride()) * size_t(frame.Height()), uint8_t(0));
    const gfx::TRect r = rect.Rounded();
    gfx::TCanvas& dc = frame.Canvas();
    const int mode = dc.SetStretchBltMode(gfx::HALFTONE);
    dc.StretchBlt(r.Left, r.Top, r.Width(), r.Height(), const_cast<gfx::TBitmap&>(picture).Canvas(), 0, 0,
                  picture.Width(), picture.Height());
    dc.SetStretchBltMode(mode);
}

void ShowLayeredPicture(ui::HWND window, const gfx::TRect& place, const gfx::TBitmap& picture, int opacity) {
    opacity = std::clamp(opacity, 0, 255);
    const gfx::TPoint pos{place.Left, place.Top}, origin{0, 0};
    const gfx::TSize size{place.Width(), place.Height()};
    const ui::TBlendFunction blend{ui::AC_SRC_OVER, 0, ui::BYTE(opacity), ui::AC_SRC_ALPHA};
    auto& source = const_cast<gfx::TBitmap&>(picture).Canvas();
    ui::UpdateLayeredWindow(window, nullptr, &pos, &size, &source, &origin, 0, &blend, ui::ULW_ALPHA);
    if (!ui::IsWindowVisible(window)) ui::ShowWindow(window, ui::SW_SHOWNOACTIVATE);
    AnimationFrameShown(window, opacity);
}

TacAnimationWindow::TacAnimationWindow(const gfx::TRect& place, ui::HWND above) : FPlace(place) {
    RegisterAnimationClass();
    const bool topmost = above && (ui::GetWindowLongPtr(above, ui::GWL_EXSTYLE) & ui::WS_EX_TOPMOST);
    const ui::DWORD exStyle =
        ui::WS_EX_LAYERED | ui::WS_EX_NOACTIVATE | ui::WS_EX_TOOLWINDOW | (topmost ? ui::WS_EX_TOPMOST : 0);
    FWindow = ui::CreateWindowEx(exStyle, AnimationWindowClass, "", ui::WS_POPUP, place.Left, place.Top, place.Width(),
                                 place.Height(), nullptr, 0);
    if (!FWindow) return;
    // Going below the window above the animated one puts us right over it; a
    // window about to be shown comes to the top of its band.
    const ui::HWND previous = above && ui::IsWindowVisible(above) ? ui::GetWindow(above, ui::GW_HWNDPREV) : nullptr;
    const ui::HWND after = topmost && !previous ? ui::HWND_TOPMOST : previous ? previous : ui::HWND_TOP;
    ui::SetWindowPos(FWindow, after, 0, 0, 0, 0, ui::SWP_NOMOVE | ui::SWP_NOSIZE | ui::SWP_NOACTIVATE);
}

TacAnimationWindow::~TacAnimationWindow() {
    if (FWindow && ui::IsWindow(FWindow)) ui::DestroyWindow(FWindow);
}

void TacAnimationWindow::StayOnTop() {
    if (FWindow)
        ui::SetWindowPos(FWindow, ui::HWND_TOPMOST, 0, 0, 0, 0, ui::SWP_NOMOVE | ui::SWP_NOSIZE | ui::SWP_NOACTIVATE);
}

void TacAnimationWindow::Show(const gfx::TBitmap& picture, int opacity) { ShowAt(FPlace, picture, opacity); }

void TacAnimationWindow::ShowAt(const gfx::TRect& place, const gfx::TBitmap& picture, int opacity) {
    if (!FWindow || picture.Empty() || place.IsEmpty()) return;
    FPlace = place;
    ShowLayeredPicture(FWindow, place, picture, opacity);
}

ui::HWND TacAnimationWindow::Release() { return std::exchange(FWindow, nullptr); }

}  // namespace skinpaint
