#include "skinpaint/sFadeTimer.h"

#include "skin/sGlowHook.h"
#include "skin/sSkinManager.h"
#include "ui/Paint.h"
#include "vcl/TControl.h"
#include "vcl/TWinControl.h"

namespace skinpaint {

TsFadeTimer::TsFadeTimer(skin::TsCommonData& data) : TsControlFade(data) {}

void TsFadeTimer::Timer() {
    if ((Direction != 1 && Direction != 2) || Ended()) return;
    if (CurrentStep < 0 || CurrentStep > FadeSteps) {
        Send(skin::SKC_PREPARE_REFRESH);
        return;
    }
    if (skin::FadingSwitchedOff()) return;
    vcl::TControl* control = SkinData->HostControl;
    // A disabled control shows its disabled look at once; a hidden one, or
    // one whose picture was dropped, has nothing to fade.
    if (!control->Enabled()) return Pause(true);
    if (!control->IsVisibleOnScreen() || !CachePicture()) return Pause(false);
    gfx::TBitmap frame;
    BlendFrame(frame);
    const std::shared_ptr<bool> alive = Alive();
    if (Send(SKC_FADE_FRAME, reinterpret_cast<ui::LPARAM>(&frame)) == 0 && *alive) ShowFrame(frame);
    if (*alive) ++CurrentStep;
}

void TsFadeTimer::Pause(bool repaint) {
    SetEnabled(false);
    FadeSteps = 0;
    if (repaint) SkinData->HostControl->Repaint();
}

// Into the control's own window, or where it lies on its parent's.
void TsFadeTimer::ShowFrame(gfx::TBitmap& frame) {
    vcl::TControl* control = SkinData->HostControl;
    auto* windowed = dynamic_cast<vcl::TWinControl*>(control);
    vcl::TWinControl* target = windowed ? windowed : control->Parent();
    if (!target || !target->HandleAllocated()) return;
    const ui::HWND window = target->Handle();
    const gfx::TPoint at = windowed ? gfx::TPoint{0, 0} : gfx::TPoint{control->Left(), control->Top()};
    if (ui::HDC dc = ui::GetDC(window)) {
        dc->BitBlt(at.X, at.Y, frame.Width(), frame.Height(), frame.Canvas(), 0, 0);
        ui::ReleaseDC(window, dc);
    }
}

void ChangeControlState(TsFadeTimer*& slot, skin::TsCommonData& data, bool fast, int direction, bool fadeWanted) {
    if (!data.IsSkinned()) return;
    const gfx::TBitmap* cache = data.CachePicture.get();
    const bool fade = fadeWanted && !skin::TsSkinManager::SkinLoading() && !skin::TsSkinManager::SkinApplying() &&
                      !skin::FadingSwitchedOff() && data.Section().FadingEnabled && cache && !cache->Empty() &&
                      !data.PictureStale;
    data.PictureStale = true;
    if (fade) {
        StartControlFade(slot, data, fast, direction);
    } else {
        StopControlFade(slot, data);
        if (data.HostControl) data.HostControl->Repaint();
    }
    skin::UpdateControlGlow(data, fast);
}

void StartControlFade(TsFadeTimer*& slot, skin::TsCommonData& data, bool fast, int direction) {
    if (!data.HostControl || !data.IsSkinned() || !data.Section().FadingEnabled) return;
    const int iterations = data.Section().FadingIterations;
    if (slot) {
        slot->CurrentStep = iterations;
    } else {
        slot = new TsFadeTimer(data);
        slot->Direction = 0;
        slot->CurrentStep = 1;
    }
    TsFadeTimer& timer = *slot;
    if (data.PictureStale && (!data.CachePicture || data.CachePicture->Empty())) timer.Send(SKC_FADE_PAINT_NEW);
    if (data.CachePicture) timer.StartPicture.Assign(*data.CachePicture);
    timer.SetInterval(10);
    timer.FadeSteps = iterations;
    if (timer.Direction == 1) timer.FadeSteps = timer.CurrentStep;
    if (timer.Direction == 2) timer.FadeSteps = iterations - timer.CurrentStep;
    if (fast) timer.FadeSteps /= 2;
    if (timer.CurrentStep < 1 || timer.CurrentStep > timer.FadeSteps - 1) timer.CurrentStep = 1;
    const std::shared_ptr<bool> alive = timer.Alive();
    timer.Send(SKC_FADE_PAINT_NEW);
    if (!*alive) return;
    timer.Direction = direction;
    if (timer.CurrentStep < 0) timer.CurrentStep = 1;
    timer.SetEnabled(direction != 0);
}

void StopControlFade(TsFadeTimer*& slot, skin::TsCommonData&) {
    TsFadeTimer* timer = slot;
    if (!timer) return;
    slot = nullptr;
    timer->SetEnabled(false);
    timer->Direction = 0;
    if (!(timer->ComponentState() & vcl::csDestroying)) timer->Free();
}

}  // namespace skinpaint
