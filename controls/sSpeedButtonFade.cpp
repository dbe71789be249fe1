// The speed button's changes of state: a fade from the picture shown to the
// new one where the skin and the button allow it, else the new picture at
// once; the glow follows either way.
#include <algorithm>
#include <utility>

#include "controls/sSpeedButton.h"
#include "skin/sFadeSwitch.h"
#include "skin/sGlowHook.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sAnimTimer.h"
#include "vcl/TWinControl.h"

namespace controls {

void TsSpeedButton::ChangeState(skinpaint::TacAnimatEvent event, bool fast) {
    const bool showing = Visible() && Parent() && Parent()->HandleAllocated() && Width() > 0 && Height() > 0;
    const bool fade = showing && skinpaint::AnimationAllowed(event, FAnimatEvents, FSkinData.UsedManager()) &&
                      FSkinData.IsSkinned() && FSkinData.Section().FadingEnabled && !skin::FadingSwitchedOff() &&
                      !skin::TsSkinManager::SkinLoading() && !skin::TsSkinManager::SkinApplying() &&
                      !FSkinData.PictureStale;
    if (fade) {
        StartFade(fast);
    } else {
        FSkinData.PictureStale = true;
        StopFade();
        RedrawNow();
    }
    skin::UpdateControlGlow(FSkinData, fast);
}

void TsSpeedButton::StartFade(bool fast) {
    // A fade that is cut short hands its remaining steps to the next one,
    // which starts from the frame shown now.
    int start = 1;
    auto* timer = new skinpaint::TsAnimTimer(FSkinData);
    if (FFade) {
        start = std::max(1, FFade->FadeSteps - FFade->CurrentStep);
        timer->StartPicture.Assign(FadeShowing() ? FFade->FramePicture : *FSkinData.CachePicture);
        StopFade();
    } else {
        timer->StartPicture.Assign(*FSkinData.CachePicture);
    }
    if (fast) timer->FadeSteps /= 2;
    timer->CurrentStep = std::min(start, std::max(timer->FadeSteps, 1));
    // Until the first tick the button shows the picture it had.
    timer->FramePicture.Assign(timer->StartPicture);
    FSkinData.PictureStale = true;
    ComposePicture();
    FFade = timer;
    timer->SetEnabled(true);
}

void TsSpeedButton::StopFade() {
    skinpaint::TsAnimTimer* timer = std::exchange(FFade, nullptr);
    if (!timer) return;
    timer->SetEnabled(false);
    if (!(timer->ComponentState() & vcl::csDestroying)) timer->Free();
}

}  // namespace controls
