#pragma once
// The manager's animation and effect settings, published so that stored
// layouts can set them (AnimEffects.SkinChanging.Time = 200). The window
// frame and the window animations read them.
#include "ui/Types.h"
#include "vcl/TPersistent.h"

namespace skin {

enum TacAnimType { atFading, atAero };

// What every window animation has: whether it plays, how long, and how.
class TacFormAnimation : public vcl::TPersistent {
public:
    TacFormAnimation(bool active, int time, TacAnimType mode) : FActive(active), FTime(time), FMode(mode) {}

    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }
    bool Active() const { return FActive; }
    void SetActive(bool value) { FActive = value; }
    // Milliseconds.
    int Time() const { return FTime; }
    void SetTime(int value) { FTime = value; }
    TacAnimType Mode() const { return FMode; }
    void SetMode(TacAnimType value) { FMode = value; }

private:
    bool FActive;
    int FTime;
    TacAnimType FMode;
};

class TacDialogShow : public TacFormAnimation {
public:
    TacDialogShow() : TacFormAnimation(true, 0, atAero) {}
};
class TacFormShow : public TacFormAnimation {
public:
    TacFormShow() : TacFormAnimation(true, 0, atAero) {}
};
class TacFormHide : public TacFormAnimation {
public:
    TacFormHide() : TacFormAnimation(true, 0, atAero) {}
};
class TacMinimizing : public TacFormAnimation {
public:
    TacMinimizing() : TacFormAnimation(true, 200, atAero) {}
};
class TacPageChange : public TacFormAnimation {
public:
    TacPageChange() : TacFormAnimation(true, 0, atAero) {}
};
class TacSkinChanging : public TacFormAnimation {
public:
    TacSkinChanging() : TacFormAnimation(true, 100, atFading) {}
};

// A moving window is shown at BlendValue opacity.
class TacBlendOnMoving : public TacFormAnimation {
public:
    TacBlendOnMoving() : TacFormAnimation(false, 1000, atAero) {}
    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }
    int BlendValue() const { return FBlendValue; }
    void SetBlendValue(int value) { FBlendValue = value; }

private:
    int FBlendValue = 170;
};

enum TacBtnEvent : unsigned { beMouseEnter = 0x1, beMouseLeave = 0x2, beMouseDown = 0x4, beMouseUp = 0x8 };
using TacBtnEvents = unsigned;

// Which mouse events of buttons animate.
class TacBtnEffects : public vcl::TPersistent {
public:
    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }
    TacBtnEvents Events() const { return FEvents; }
    void SetEvents(TacBtnEvents value) { FEvents = value; }

private:
    TacBtnEvents FEvents = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
};

class TacAnimEffects : public vcl::TPersistent {
public:
    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    TacBtnEffects& Buttons() { return FButtons; }
    TacDialogShow& DialogShow() { return FDialogShow; }
    TacFormShow& FormShow() { return FFormShow; }
    TacFormHide& FormHide() { return FFormHide; }
    TacFormHide& DialogHide() { return FDialogHide; }
    TacMinimizing& Minimizing() { return FMinimizing; }
    TacPageChange& PageChange() { return FPageChange; }
    TacSkinChanging& SkinChanging() { return FSkinChanging; }
    TacBlendOnMoving& BlendOnMoving() { return FBlendOnMoving; }

private:
    TacBtnEffects FButtons;
    TacDialogShow FDialogShow;
    TacFormShow FFormShow;
    TacFormHide FFormHide;
    TacFormHide FDialogHide;
    TacMinimizing FMinimizing;
    TacPageChange FPageChange;
    TacSkinChanging FSkinChanging;
    TacBlendOnMoving FBlendOnMoving;
};

// The painting layer plays the skin change of a frozen form, which it thaws
// and redraws completely at the end; it sets the player at start-up. Without
// one the forms are just thawed and redrawn.
using TacSkinChangePlayer = void (*)(ui::HWND form, int time, TacAnimType mode);
void SetSkinChangePlayer(TacSkinChangePlayer player);
TacSkinChangePlayer SkinChangePlayer();

class TacSkinEffects : public vcl::TPersistent {
public:
    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }
    bool AllowGlowing() const { return FAllowGlowing; }
    void SetAllowGlowing(bool value) { FAllowGlowing = value; }
    bool AllowAeroBluring() const { return FAllowAeroBluring; }
    void SetAllowAeroBluring(bool value) { FAllowAeroBluring = value; }

private:
    bool FAllowGlowing = true;
    bool FAllowAeroBluring = true;
};

}  // namespace skin
