#pragma once
// What the window animations share: the step rule (one step every 12 ms,
// Time / 12 of them), the process-wide mark of a running animation, the
// borderless layered window that carries a window's picture above it, and the
// frames of the two modes (the whole picture, or the picture zoomed into a
// rectangle of the frame).
#include <functional>

#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "ui/Types.h"

namespace skinpaint {

inline constexpr int AnimationInterval = 12;
// Steps of an animation of `time` milliseconds; 0 shows the end at once.
constexpr int AnimationSteps(int time) { return time > 0 ? time / AnimationInterval : 0; }

// Set while a show, minimise or skin-change animation runs: the frame starts
// no other animation then.
bool AnimationInProgress();
class TAnimationMark {
public:
    TAnimationMark();
    ~TAnimationMark();
    TAnimationMark(const TAnimationMark&) = delete;
    TAnimationMark& operator=(const TAnimationMark&) = delete;

private:
    bool FOuter;
};

// Every frame an animation shows, for whoever watches (a test, a recorder):
// the window that shows it and its opacity (for the cover window of the
// non-layered skin change: the weight of the old look).
struct TacAnimationFrame {
    ui::HWND Window = nullptr;
    int Opacity = 0;
};
using TacAnimationFrameObserver = std::function<void(const TacAnimationFrame&)>;
// Null stops watching.
void SetAnimationFrameObserver(TacAnimationFrameObserver observer);
void AnimationFrameShown(ui::HWND window, int opacity);

// A rectangle of reals: the zoom of atAero moves by fractions of a pixel.
struct TacRectF {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
    gfx::TRect Rounded() const;
};

// The frame of one step: in atAero mode (zoom) picture stretched into `rect`
// of a cleared frame, unless its left or top edge has gone below 0, when the
// whole picture is copied, as it is in atFading mode. frame is sized to the
// picture.
void DrawAnimationFrame(gfx::TBitmap& frame, const gfx::TBitmap& picture, bool zoom, const TacRectF& rect);

// Shows picture in the layered window at place (screen) and opacity, without
// activating it, and tells the frame observer.
void ShowLayeredPicture(ui::HWND window, const gfx::TRect& place, const gfx::TBitmap& picture, int opacity);

// A borderless layered window that never activates and stays off the taskbar,
// showing a 32-bit picture (premultiplied, per-pixel alpha) at an opacity.
// Hidden until first shown; destroyed with the object.
class TacAnimationWindow {
public:
    // At `place` (screen), directly above `above` in the z-order (at the top
    // while `above` is hidden), topmost when that window is.
    TacAnimationWindow(const gfx::TRect& place, ui::HWND above);
    ~TacAnimationWindow();
    TacAnimationWindow(const TacAnimationWindow&) = delete;
    TacAnimationWindow& operator=(const TacAnimationWindow&) = delete;

    ui::HWND Handle() const { return FWindow; }
    // Above every window, for an animation that outlives the animated
    // window's place in the z-order (it minimises, and another comes up).
    void StayOnTop();
    // The picture at the opacity (0..255), shown without activation; with a
    // place, the window moves and takes that size first.
    void Show(const gfx::TBitmap& picture, int opacity);
    void ShowAt(const gfx::TRect& place, const gfx::TBitmap& picture, int opacity);
    // The window is someone else's from now on.
    ui::HWND Release();

private:
    ui::HWND FWindow = nullptr;
    gfx::TRect FPlace;
};

}  // namespace skinpaint
