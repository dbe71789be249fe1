#pragma once
// The fade of check boxes and bitmap buttons: on a state change the control
// paints its new look into its cache picture, and each tick shows the old
// picture mixed with it, a little more of the new one each time, until the
// control is told (SKC_PREPARE_REFRESH) that the fade has ended.
//
// The control keeps its running fade in a slot (null when none) and hands
// that slot to these functions; the timer is owned by the control, so a
// control that goes takes its fade with it.
#include "skinpaint/sControlFade.h"

namespace skinpaint {

class TsFadeTimer : public TsControlFade {
public:
    explicit TsFadeTimer(skin::TsCommonData& data);

    // 0 none; 1 and 2 run.
    int Direction = 0;
    // The next frame at once, as the next tick would make it (a control that
    // gains the focus during its fade shows it so).
    void Step() { Timer(); }

protected:
    void Timer() override;

private:
    void Pause(bool repaint);
    void ShowFrame(gfx::TBitmap& frame);
};

// Fades from the picture shown now to the control's new look when fading is
// wanted and possible (a skinned control of a section with fading, a picture
// that is up to date, no skin being loaded or applied, fading not switched
// off); otherwise stops a running fade and repaints at once. Either way the
// control's glow follows.
void ChangeControlState(TsFadeTimer*& slot, skin::TsCommonData& data, bool fast, int direction, bool fadeWanted);
// Starts the fade, or starts a running one over from the picture shown now.
void StartControlFade(TsFadeTimer*& slot, skin::TsCommonData& data, bool fast, int direction);
// Stops and frees a running fade.
void StopControlFade(TsFadeTimer*& slot, skin::TsCommonData& data);

}  // namespace skinpaint
