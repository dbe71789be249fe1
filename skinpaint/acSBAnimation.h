#pragma once
// The fade of a title button: a click-through layered window above the frame
// shows the button's new look (or, hovering a system button, its glow image)
// and fades it in, holds it while the mouse stays on the button, and fades it
// out when the frame asks, freeing itself at the end. Main thread only.
#include <memory>

#include "gfx/TBitmap.h"
#include "skin/sFadeSwitch.h"
#include "skinpaint/acTitleButton.h"
#include "vcl/TTimer.h"

namespace skinpaint {

class TacSBAnimation : public vcl::TTimer {
public:
    // Owned by the host; 12 ms, disabled.
    TacSBAnimation(TacTitleButtonHost& host, TitleButtonState& button);
    ~TacSBAnimation() override;

    // -1 none, 0 normal, 1 hot, 2 pressed.
    int Target() const { return FTarget; }
    // 10 or 1, -1 once a fade-in has finished.
    int StepCount() const { return FStepCount; }
    int Counter() const { return FCounter; }
    bool FadingIn() const { return FFadingIn; }
    ui::HWND LayeredWindow() const { return FWindow; }
    // The alpha the window was last shown with.
    int ShownAlpha() const { return FShownAlpha; }

    // The frame's first request for the button, and each later one
    // (AnimateTitleButton).
    void Start(int state, int stepCount, bool fadeIn);
    void Retarget(int state, int stepCount, bool fadeIn);
    // Fades in the look of a new state, or starts the fade-out.
    void ChangeTarget(int state);

protected:
    void Timer() override;

private:
    int Step() const;
    bool HostGone() const;
    void FadeInTick();
    void FadeOutTick();
    void ShowFrame(int alpha);
    void MakePicture();
    void MakeWindow();
    void DropWindow();

    TacTitleButtonHost& FHost;
    TitleButtonState* FButton;
    ui::HWND FHostWindow;
    int FTarget = -1;
    int FStepCount = 0;
    int FCounter = 0;
    bool FFadingIn = true;
    ui::HWND FWindow = nullptr;
    std::unique_ptr<gfx::TBitmap> FPicture;
    // Where the picture shows, in screen coordinates.
    gfx::TRect FPlace;
    int FShownAlpha = -1;
    skin::TFadeTimerCount FCount;
};

// Creates the button's animation on its first state change, else retargets
// it. The frame calls it with state 1 and 10 steps on hover, 2 and 1 step on
// a press, 0 and 10 steps fading out on leave.
void AnimateTitleButton(TitleButtonState& button, int state, int stepCount, TacTitleButtonHost& host, bool fadeIn);
// Frees the button's animation, with its window, at once (the frame moves).
void FreeTitleButtonAnimation(TitleButtonState& button);

}  // namespace skinpaint
