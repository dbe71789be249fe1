#include "skinpaint/sAnimTimer.h"

namespace skinpaint {

TsAnimTimer::TsAnimTimer(skin::TsCommonData& data) : TsControlFade(data) {
    if (data.IsSkinned()) FadeSteps = data.Section().FadingIterations;
}

void TsAnimTimer::Timer() {
    if (Ended()) return;
    if (CurrentStep < 0 || CurrentStep > FadeSteps) {
        Send(skin::SKC_PREPARE_REFRESH);
        return;
    }
    const std::shared_ptr<bool> alive = Alive();
    if (!FMakingFrame) {
        FMakingFrame = true;
        BlendFrame(FramePicture);
        Send(skin::SKC_SET_UPDATING);
        if (*alive) Send(SKC_FADE_FRAME_READY);
        if (!*alive) return;
        FMakingFrame = false;
    }
    // The step counts even when a frame was still being made.
    ++CurrentStep;
}

}  // namespace skinpaint
