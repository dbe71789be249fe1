#include "skinpaint/sWindowAnimation.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "gfx/TCanvas.h"
#include "skin/sSkinManager.h"
#include "skinpaint/acHideTimer.h"
#include "skinpaint/sAnimationWindow.h"
#include "skinpaint/sFadeBlend.h"
#include "skinpaint/sOutputWindow.h"
#include "skinpaint/sSkinProvider.h"
#include "skinpaint/sWindowImage.h"
#include "ui/Layered.h"
#include "ui/MessageLoop.h"
#include "ui/Metrics.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TCustomForm.h"

namespace skinpaint {

namespace {

// The picture of a form being shown, kept over its place until the form is
// visible. Shows run one at a time: each runs to its end before the next.
struct TPendingShow {
    ui::HWND Form = nullptr;
    std::unique_ptr<TacAnimationWindow> Window;
};
TPendingShow gPendingShow;

skin::TacAnimEffects* EffectsOf(TsSkinProvider& provider) {
    skin::TsSkinManager* manager = provider.SkinData().UsedManager();
    return manager ? &manager->AnimEffects() : nullptr;
}

// Whether the form may animate at all: a skinned top-level form that allows
// it, on a display that can show layered windows, while nothing else
// animates.
bool MayAnimate(TsSkinProvider& provider) {
    vcl::TCustomForm* form = provider.Form();
    return provider.Skinned() && provider.AllowAnimation() && !provider.Inactive() && !AnimationInProgress() &&
           form->HandleAllocated() && !form->Parent() && EffectsOf(provider) && ui::LayeredWindowsAvailable();
}

// The show steps (also those of the skin change): the picture fades in from
// nothing to the target opacity over `steps` frames and, zooming, grows from
// an eighth inside each edge to its full size.
void PlayShowSteps(TacAnimationWindow& window, const gfx::TBitmap& picture, int steps, int target, bool zoom) {
    window.Show(picture, steps < 1 ? target : 0);
    if (steps < 1) return;
    const double w = picture.Width(), h = picture.Height();
    TacRectF rect{w / 8, h / 8, w - w / 8, h - h / 8};
    const double dx = w / (8.0 * steps), dy = h / (8.0 * steps);
    double opacity = 0;
    gfx::TBitmap frame(picture.Width(), picture.Height());
    for (int i = 0; i <= steps; ++i) {
        opacity = std::min<double>(target, opacity + double(target) / steps);
        DrawAnimationFrame(frame, picture, zoom, rect);
        window.Show(frame, int(std::lround(opacity)));
        rect = {rect.Left - dx, rect.Top - dy, rect.Right + dx, rect.Bottom + dy};
        ui::Sleep(AnimationInterval);
    }
    window.Show(picture, target);
}

// Frame, children and background at once.
void RedrawCompletely(ui::HWND form, TsSkinProvider* provider) {
    if (provider)
        provider->RedrawWindowNow();
    else
        ui::RedrawWindow(form, nullptr, nullptr,
                         ui::RDW_FRAME | ui::RDW_ALLCHILDREN | ui::RDW_ERASE | ui::RDW_INVALIDATE | ui::RDW_UPDATENOW);
}

void Thaw(ui::HWND form, TsSkinProvider* provider) {
    ui::SendMessage(form, ui::WM_SETREDRAW, 1, 0);
    RedrawCompletely(form, provider);
}

// What the form shows on the screen now (its redraw is off: the old look).
gfx::TBitmap ScreenImage(ui::HWND form) {
    const gfx::TRect r = ui::GetWindowRect(form);
    gfx::TBitmap picture(r.Width(), r.Height());
    if (const ui::HDC dc = ui::GetWindowDC(form)) {
        picture.Canvas().BitBlt(0, 0, r.Width(), r.Height(), *dc, 0, 0);
        ui::ReleaseDC(form, dc);
    }
    return picture;
}

void CoverSkinChange(ui::HWND form, TsSkinProvider& provider, int steps) {
    const gfx::TBitmap old = ScreenImage(form);
    const gfx::TBitmap fresh = FormImage(provider);
    gfx::TBitmap frame;
    {
        TOutputWindow cover(ui::GetWindowRect(form), form);
        cover.Show(old, 255);
        int weight = 255;
        for (int i = 0; i < steps; ++i) {
            weight = std::max(0, weight - 255 / steps);
            frame.Assign(old);
            FadeBlend(frame, fresh, weight);
            cover.Show(frame, weight);
            ui::Sleep(AnimationInterval);
        }
        cover.Show(fresh, 0);
        Thaw(form, &provider);
    }
}

// Where a minimised window goes: a quarter of its size at the bottom of the
// work area, below its middle.
gfx::TRect TaskbarPlace(const gfx::TRect& window) {
    const gfx::TRect work = ui::GetWorkArea();
    const int w = std::max(1, window.Width() / 4), h = std::max(1, window.Height() / 4);
    const int x = window.Left + (window.Width() - w) / 2;
    return {x, work.Bottom - h, x + w, work.Bottom};
}

// The picture moves and scales from one place to the other while its
// opacity goes from one value to the other.
void PlayMove(TacAnimationWindow& window, const gfx::TBitmap& picture, const gfx::TRect& from, const gfx::TRect& to,
              int fromOpacity, int toOpacity, int steps) {
    gfx::TBitmap frame;
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps;
        auto at = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
        const gfx::TRect place{at(from.Left, to.Left), at(from.Top, to.Top), at(from.Right, to.Right),
                               at(from.Bottom, to.Bottom)};
        frame.SetSize(std::max(1, place.Width()), std::max(1, place.Height()));
        gfx::TCanvas& dc = frame.Canvas();
        dc.SetStretchBltMode(gfx::HALFTONE);
        dc.StretchBlt(0, 0, frame.Width(), frame.Height(), const_cast<gfx::TBitmap&>(picture).Canvas(), 0, 0,
                      picture.Width(), picture.Height());
        window.ShowAt(place, frame, at(fromOpacity, toOpacity));
        ui::Sleep(AnimationInterval);
    }
}

// The picture of each minimised form as it went, for its way back: a form
// looks on restoring as it looked on minimising, and painting it at its
// restored size would need it restored already.
std::map<ui::HWND, gfx::TBitmap> gMinimizedPictures;

void Minimize(TsSkinProvider& provider, int steps, const std::function<void()>& previous) {
    const TAnimationMark mark;
    const ui::HWND form = provider.Form()->Handle();
    std::erase_if(gMinimizedPictures, [](const auto& entry) { return !ui::IsWindow(entry.first); });
    gfx::TBitmap& picture = gMinimizedPictures[form] = FormImage(provider);
    const gfx::TRect from = ui::GetWindowRect(form);
    TacAnimationWindow window(from, form);
    window.StayOnTop();
    window.Show(picture, 255);
    previous();
    PlayMove(window, picture, from, TaskbarPlace(from), 255, 0, steps);
}

// The picture grows from the taskbar to the form's place while the form is
// still minimised; the form is restored under it at the end.
bool Restore(TsSkinProvider& provider, int steps, const std::function<void()>& previous) {
    const ui::HWND form = provider.Form()->Handle();
    const auto kept = gMinimizedPictures.find(form);
    ui::TWindowPlacement placement;
    if (kept == gMinimizedPictures.end() || !ui::GetWindowPlacement(form, placement)) return false;
    const TAnimationMark mark;
    const gfx::TBitmap picture = std::move(kept->second);
    gMinimizedPictures.erase(kept);
    const gfx::TRect to = placement.NormalPosition;
    TacAnimationWindow window(TaskbarPlace(to), form);
    window.StayOnTop();
    PlayMove(window, picture, TaskbarPlace(to), to, 0, 255, steps);
    previous();
    if (ui::IsWindow(form)) provider.RedrawWindowNow();
    return true;
}

// The form is about to become visible (its first position change with the
// show flag): the animation plays before it is.
bool ShowMessage(TsSkinProvider& provider, const vcl::TMessage& m, const std::function<void()>& previous) {
    const auto* pos = reinterpret_cast<const ui::TWindowPos*>(m.LParam);
    const ui::HWND form = provider.Form()->Handle();
    if (!pos || !(pos->Flags & ui::SWP_SHOWWINDOW) || ui::IsWindowVisible(form) || ui::IsIconic(form) ||
        !MayAnimate(provider))
        return false;
    const skin::TacFormAnimation& show = EffectsOf(provider)->FormShow();
    if (!show.Active()) return false;
    // A form shown with activation is seen active: so is its picture.
    if (!(pos->Flags & ui::SWP_NOACTIVATE)) ui::SendMessage(form, ui::WM_NCACTIVATE, 1, 0);
    const vcl::TCustomForm& f = *provider.Form();
    AnimateFormShow(provider, show.Time(), f.AlphaBlend() ? f.AlphaBlendValue() : 255, show.Mode());
    previous();
    return true;
}

bool CloseMessage(TsSkinProvider& provider, const std::function<void()>& previous) {
    const ui::HWND form = provider.Form()->Handle();
    if (!ui::IsWindowVisible(form) || !MayAnimate(provider)) return false;
    const skin::TacFormAnimation& hide = EffectsOf(provider)->FormHide();
    if (!hide.Active() || AnimationSteps(hide.Time()) == 0) return false;
    const int time = hide.Time();
    const skin::TacAnimType mode = hide.Mode();
    TacPreparedHide prepared(provider);
    previous();
    // A close the form refused hides nothing; the provider may be gone now.
    if (!ui::IsWindow(form) || !ui::IsWindowVisible(form)) prepared.Play(time, mode);
    return true;
}

bool SystemCommand(TsSkinProvider& provider, const vcl::TMessage& m, const std::function<void()>& previous) {
    const ui::WPARAM command = m.WParam & 0xFFF0;
    if ((command != ui::SC_MINIMIZE && command != ui::SC_RESTORE) || provider.NoAnimation() || !MayAnimate(provider))
        return false;
    const ui::HWND form = provider.Form()->Handle();
    const skin::TacFormAnimation& minimizing = EffectsOf(provider)->Minimizing();
    const int steps = AnimationSteps(minimizing.Time());
    if (!minimizing.Active() || steps == 0 || !ui::IsWindowVisible(form)) return false;
    if (command == ui::SC_RESTORE) return ui::IsIconic(form) && Restore(provider, steps, previous);
    if (ui::IsIconic(form)) return false;
    Minimize(provider, steps, previous);
    return true;
}

void PlaySkinChange(ui::HWND form, int time, skin::TacAnimType mode) { AnimateSkinChange(form, time, 255, mode); }

}  // namespace

void AnimateFormShow(TsSkinProvider& provider, int time, int targetOpacity, skin::TacAnimType mode) {
    FinishFormShow(provider);
    const TAnimationMark mark;
    const ui::HWND form = provider.Form()->Handle();
    const gfx::TBitmap picture = FormImage(provider);
    if (picture.Empty()) return;
    auto window = std::make_unique<TacAnimationWindow>(ui::GetWindowRect(form), form);
    PlayShowSteps(*window, picture, AnimationSteps(time), targetOpacity, mode == skin::atAero);
    gPendingShow = {form, std::move(window)};
}

void FinishFormShow(TsSkinProvider& provider) {
    if (!gPendingShow.Window) return;
    TPendingShow shown = std::move(gPendingShow);
    gPendingShow = {};
    if (!ui::IsWindow(shown.Form)) return;
    ui::SetWindowPos(shown.Form, shown.Window->Handle(), 0, 0, 0, 0,
                     ui::SWP_NOMOVE | ui::SWP_NOSIZE | ui::SWP_NOACTIVATE);
    RedrawCompletely(shown.Form, shown.Form == provider.Form()->Handle() ? &provider : nullptr);
    // The compositing manager draws the form before its picture goes.
    ui::Sleep(AnimationInterval);
    shown.Window.reset();
    if (provider.OnAfterAnimation) provider.OnAfterAnimation(&provider);
}

void AnimateSkinChange(ui::HWND form, int time, int targetOpacity, skin::TacAnimType mode) {
    const TAnimationMark mark;
    auto* provider = reinterpret_cast<TsSkinProvider*>(
        ui::SendMessage(form, skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(skin::SKC_GET_PROVIDER), 0));
    const int steps = AnimationSteps(time);
    if (!provider || !provider->Skinned() || !ui::IsWindowVisible(form)) {
        Thaw(form, provider);
        return;
    }
    if (!ui::LayeredWindowsAvailable()) {
        CoverSkinChange(form, *provider, steps);
        return;
    }
    const gfx::TBitmap picture = FormImage(*provider);
    TacAnimationWindow window(ui::GetWindowRect(form), form);
    PlayShowSteps(window, picture, steps, targetOpacity, mode == skin::atAero);
    Thaw(form, provider);
}

bool AnimateFrameMessage(TsSkinProvider& provider, vcl::TMessage& m, const std::function<void()>& previous) {
    switch (m.Msg) {
        case ui::WM_WINDOWPOSCHANGING: return ShowMessage(provider, m, previous);
        case ui::WM_WINDOWPOSCHANGED: {
            const auto* pos = reinterpret_cast<const ui::TWindowPos*>(m.LParam);
            if (!gPendingShow.Window || gPendingShow.Form != provider.Form()->Handle()) return false;
            previous();
            if (pos && (pos->Flags & ui::SWP_SHOWWINDOW)) FinishFormShow(provider);
            return true;
        }
        case ui::WM_CLOSE: return CloseMessage(provider, previous);
        case ui::WM_SYSCOMMAND: return SystemCommand(provider, m, previous);
        default: return false;
    }
}

void InstallWindowAnimations() { skin::SetSkinChangePlayer(&PlaySkinChange); }

}  // namespace skinpaint
