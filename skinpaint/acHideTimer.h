#pragma once
// The hide animation: the last picture of a closed window fades out (and, in
// atAero mode, shrinks toward its centre) in a layered window of its own,
// driven by a timer, so that messages go on being handled between the steps.
// One animator serves the process; a new hide replaces one still running.
#include <memory>

#include "gfx/TBitmap.h"
#include "skin/acThreadedTimer.h"
#include "skin/sAnimEffects.h"
#include "skinpaint/sAnimationWindow.h"

namespace skinpaint {

class TsSkinProvider;

class TacHideTimer : public skin::TacThreadedTimer {
public:
    explicit TacHideTimer(vcl::TComponent* owner);
    ~TacHideTimer() override;

    // Made on first use, owned by the application.
    static TacHideTimer& Instance();
    // Null before the first use and after the application freed it.
    static TacHideTimer* Existing();

    // Takes the window and its picture and fades them out over time / 12
    // steps of 12 ms, from startOpacity. With no steps both go at once.
    void Start(ui::HWND window, gfx::TBitmap picture, int time, skin::TacAnimType mode, int startOpacity);

    // The window being faded out, null when none.
    ui::HWND Window() const { return FWindow; }

protected:
    void Step() override;

private:
    void Stop();
    void DropWindow();

    ui::HWND FWindow = nullptr;
    gfx::TBitmap FSource;
    gfx::TBitmap FDestination;
    gfx::TRect FPlace;
    skin::TacAnimType FMode = skin::atFading;
    int FSteps = 0;
    int FCounter = 0;
    double FOpacity = 0;
    double FDecrement = 0;
    TacRectF FRect;
    double FDeltaX = 0;
    double FDeltaY = 0;
};

// The hide animator's start: a hide still running goes at once.
void AnimateHide(ui::HWND window, gfx::TBitmap picture, int time, skin::TacAnimType mode, int startOpacity);

// A form about to close, shown once more over itself: its picture in a layered
// window at its place. Play hands both to the hide animator with the
// manager's FormHide settings; otherwise the copy goes with the object.
class TacPreparedHide {
public:
    // Nothing is prepared for a form without a window or a frame picture.
    explicit TacPreparedHide(TsSkinProvider& provider);
    bool Prepared() const { return FWindow != nullptr; }
    void Play(int time, skin::TacAnimType mode);

private:
    gfx::TBitmap FPicture;
    std::unique_ptr<TacAnimationWindow> FWindow;
};

}  // namespace skinpaint
