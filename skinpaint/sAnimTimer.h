#pragma once
// The fade of speed buttons: the button keeps its old picture in
// StartPicture and sets CurrentStep before it enables the timer; each tick
// mixes that picture with the button's current cache picture into
// FramePicture and tells the button to show it (commands 8 and 18), until
// the steps are done and the button hears SKC_PREPARE_REFRESH.
#include "skinpaint/sControlFade.h"

namespace skinpaint {

class TsAnimTimer : public TsControlFade {
public:
    // Disabled, every 10 ms, FadeSteps from the section's FadingIterations.
    explicit TsAnimTimer(skin::TsCommonData& data);

    gfx::TBitmap FramePicture;

protected:
    void Timer() override;

private:
    // A frame is being made and shown (painting may handle messages).
    bool FMakingFrame = false;
};

}  // namespace skinpaint
