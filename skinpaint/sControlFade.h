#pragma once
// What the two control fades share: the control's binding, the picture the
// control showed before the change, the steps, the count of fade timers, and
// the blend of one frame. The timers run on the main thread; the control
// answers their commands (SKIN_COMMAND_MESSAGE, sent as direct calls).
#include <memory>

#include "gfx/TBitmap.h"
#include "skin/sCommonData.h"
#include "skin/sFadeSwitch.h"
#include "vcl/TTimer.h"

namespace skinpaint {

// Commands the fade timers send to their control.
enum : uint16_t {
    SKC_FADE_PAINT_NEW = 23,  // paint the new state into the cache picture
    SKC_FADE_FRAME = 24,      // LParam: the frame; 0 lets the timer show it
    SKC_FADE_FRAME_READY = 18,
};

class TsControlFade : public vcl::TTimer {
public:
    // Owned by the binding's control, disabled, ticking every 10 ms.
    explicit TsControlFade(skin::TsCommonData& data);
    ~TsControlFade() override;

    skin::TsCommonData* SkinData;
    gfx::TBitmap StartPicture;
    int FadeSteps = 0;
    int CurrentStep = 0;

    // A skin command to the control: its answer.
    ui::LRESULT Send(uint16_t command, ui::LPARAM lParam = 0);
    // False once the timer is freed, for code after a command that freed it.
    std::shared_ptr<bool> Alive() const { return FAlive; }

protected:
    // The control, the timer or the application is going: no more steps.
    bool Ended() const;
    // The picture the control shows now, null when it has none.
    gfx::TBitmap* CachePicture() const;
    // frame := StartPicture mixed with the cache picture at CurrentStep.
    void BlendFrame(gfx::TBitmap& frame) const;

private:
    skin::TFadeTimerCount FCount;
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

}  // namespace skinpaint
