// The control fades on the headless desktop, driven by the test clock: each
// frame checked byte for byte against the blend, fast fades, the cases that
// repaint at once, and controls that are disabled, hidden or freed while
// their fade runs.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "PaintTestKit.h"
#include "skin/sCommonData.h"
#include "skin/sGlowHook.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sAnimTimer.h"
#include "skinpaint/sFadeBlend.h"
#include "skinpaint/sFadeTimer.h"
#include "ui/Headless.h"
#include "ui/MessageLoop.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomControl.h"
#include "vcl/TCustomForm.h"

using namespace skinpaint;
using painttest::Filled;
using painttest::Noise;
using ui::headless::AdvanceClock;

namespace {

// A check box as far as its fade goes: it paints NewLook into its cache on
// command 23, keeps each frame of command 24, and stops the fade on 16.
class TFadeProbe : public vcl::TCustomControl {
public:
    explicit TFadeProbe(vcl::TWinControl* parent) : vcl::TCustomControl(parent), Data(this, true) {
        SetParent(parent);
        SetBounds(10, 10, 113, 35);
        Data.SetSkinSection("CHECKBOX");
    }
    void WndProc(vcl::TMessage& message) override {
        if (message.Msg == skin::SKIN_COMMAND_MESSAGE) {
            const int command = skin::SkinCommandOf(message.WParam);
            Commands.push_back(command);
            if (command == SKC_FADE_PAINT_NEW) {
                Data.CachePicture->Assign(NewLook);
                Data.PictureStale = false;
            } else if (command == SKC_FADE_FRAME) {
                Frames.emplace_back();
                Frames.back().Assign(*reinterpret_cast<gfx::TBitmap*>(message.LParam));
                message.Result = FrameAnswer;
            } else if (command == skin::SKC_PREPARE_REFRESH) {
                StopControlFade(Fade, Data);
            }
            if (command == SKC_FADE_PAINT_NEW || command == SKC_FADE_FRAME || command == skin::SKC_PREPARE_REFRESH)
                return;
        }
        vcl::TCustomControl::WndProc(message);
    }
    void Paint() override { ++Paints; }
    // The look before the change in the cache, up to date.
    void ShowOld(const gfx::TBitmap& look) {
        Data.CachePicture->Assign(look);
        Data.PictureStale = false;
    }

    skin::TsCommonData Data;
    TsFadeTimer* Fade = nullptr;
    gfx::TBitmap NewLook;
    std::vector<int> Commands;
    std::vector<gfx::TBitmap> Frames;
    ui::LRESULT FrameAnswer = 1;
    int Paints = 0;
};

// Records which bindings had their glow updated, and whether fast.
class TGlowProbe : public skin::TsGlowHook {
public:
    void UpdateControlGlow(skin::TsCommonData& data, bool fast, ui::HWND) override { Calls.push_back({&data, fast}); }
    void HideGlow(int) override {}
    void HideAllGlows(bool) override {}
    std::vector<std::pair<skin::TsCommonData*, bool>> Calls;
};

class ControlFade : public ::testing::Test {
protected:
    void SetUp() override {
        ui::headless::Reset(640, 480);
        vcl::Application->ClearTerminated();
        skin::SetFadingSwitchedOff(false);
        skin::SetGlowHook(&Glows);
        Manager = new skin::TsSkinManager(vcl::Application);
        skin::TsGeneralData section;
        section.SectionName = "CHECKBOX";
        section.States = 2;
        section.FadingEnabled = true;
        section.FadingIterations = 20;
        Manager->Sections.push_back(std::move(section));
        Form = new vcl::TForm(vcl::Application);
        Form->SetBounds(50, 50, 300, 200);
        Form->Show();
        Control = new TFadeProbe(Form);
        Control->Data.ResolveSection();
        ui::ProcessPendingMessages();
        ASSERT_TRUE(Control->Data.IsSkinned());
        Control->Commands.clear();
    }
    void TearDown() override {
        if (Form) Form->Free();
        Manager->Free();
        skin::SetGlowHook(nullptr);
        skin::SetFadingSwitchedOff(false);
        vcl::Application->ProcessMessages();
    }
    skin::TsGeneralData& Section() { return Manager->Sections[0]; }
    // Starts a fade from old to new as a state change does.
    void Change(const gfx::TBitmap& oldLook, const gfx::TBitmap& newLook, bool fast = false) {
        Control->ShowOld(oldLook);
        Control->NewLook.Assign(newLook);
        ChangeControlState(Control->Fade, Control->Data, fast, 1, true);
    }
    // Ticks until the fade has ended (at most `limit` ticks).
    void RunOut(int limit = 40) {
        for (int i = 0; i < limit && Control->Fade; ++i) AdvanceClock(10);
    }

    TGlowProbe Glows;
    skin::TsSkinManager* Manager = nullptr;
    vcl::TForm* Form = nullptr;
    TFadeProbe* Control = nullptr;
};

// Whether frame is old and new mixed at a, byte for byte.
bool IsBlend(const gfx::TBitmap& frame, const gfx::TBitmap& oldLook, const gfx::TBitmap& newLook, int a) {
    if (frame.Width() != oldLook.Width() || frame.Height() != oldLook.Height()) return false;
    for (int y = 0; y < frame.Height(); ++y)
        for (int x = 0; x < frame.Width() * 4; ++x)
            if (frame.ScanLine(y)[x] != (oldLook.ScanLine(y)[x] * a + newLook.ScanLine(y)[x] * (255 - a) + 127) >> 8)
                return false;
    return true;
}

TEST_F(ControlFade, TwentyStepsEachFrameTheBlendOfItsStep) {
    const gfx::TBitmap oldLook = Noise(113, 35, 11), newLook = Noise(113, 35, 12);
    Change(oldLook, newLook);
    ASSERT_NE(Control->Fade, nullptr);
    EXPECT_EQ(skin::FadeTimerCount(), 1);
    EXPECT_EQ(Control->Commands, std::vector<int>{SKC_FADE_PAINT_NEW});
    EXPECT_EQ(Control->Fade->Interval(), 10u);
    EXPECT_EQ(Control->Fade->FadeSteps, 20);
    ASSERT_EQ(Glows.Calls.size(), 1u);
    EXPECT_FALSE(Glows.Calls[0].second);
    AdvanceClock(9);
    EXPECT_TRUE(Control->Frames.empty());
    RunOut();
    EXPECT_EQ(Control->Fade, nullptr) << "ended by SKC_PREPARE_REFRESH";
    EXPECT_EQ(skin::FadeTimerCount(), 0);
    ASSERT_EQ(Control->Frames.size(), 20u);
    for (int step = 1; step <= 20; ++step)
        EXPECT_TRUE(IsBlend(Control->Frames[size_t(step - 1)], oldLook, newLook, FadeAlpha(step, 20)))
            << "step " << step << ", a = " << FadeAlpha(step, 20);
    EXPECT_EQ(FadeAlpha(1, 20), 243);
    EXPECT_EQ(Control->Commands.back(), skin::SKC_PREPARE_REFRESH);
}

TEST_F(ControlFade, AFastChangeOfTwentyIterationsRunsTenSteps) {
    const gfx::TBitmap oldLook = Noise(113, 35, 3), newLook = Noise(113, 35, 4);
    Change(oldLook, newLook, true);
    ASSERT_NE(Control->Fade, nullptr);
    EXPECT_EQ(Control->Fade->FadeSteps, 10);
    RunOut();
    ASSERT_EQ(Control->Frames.size(), 10u);
    for (int step = 1; step <= 10; ++step)
        EXPECT_TRUE(IsBlend(Control->Frames[size_t(step - 1)], oldLook, newLook, FadeAlpha(step, 10))) << step;
    ASSERT_EQ(Glows.Calls.size(), 1u);
    EXPECT_TRUE(Glows.Calls[0].second) << "the glow hears of the fast change";
}

TEST_F(ControlFade, AChangeDuringAFadeStartsItOverFromStepOne) {
    Change(Noise(113, 35, 5), Noise(113, 35, 6));
    for (int i = 0; i < 5; ++i) AdvanceClock(10);
    TsFadeTimer* running = Control->Fade;
    ASSERT_EQ(Control->Frames.size(), 5u);
    const gfx::TBitmap shown = Noise(113, 35, 6), next = Noise(113, 35, 7);
    Change(shown, next);
    EXPECT_EQ(Control->Fade, running) << "the running timer is reused";
    EXPECT_EQ(Control->Fade->CurrentStep, 1);
    EXPECT_EQ(Control->Fade->FadeSteps, 20);
    Control->Frames.clear();
    RunOut();
    ASSERT_EQ(Control->Frames.size(), 20u);
    EXPECT_TRUE(IsBlend(Control->Frames[0], shown, next, 243));
}

TEST_F(ControlFade, AFrameAnsweredZeroIsCopiedToTheControlsWindow) {
    Control->FrameAnswer = 0;
    Change(Filled(113, 35, painttest::Opaque(0xFF0000)), Filled(113, 35, painttest::Opaque(0x0000FF)));
    AdvanceClock(10);
    ASSERT_EQ(Control->Frames.size(), 1u);
    const gfx::TBitmap window = ui::headless::WindowImage(Control->Handle());
    // (255 * 243 + 127) >> 8 red, (255 * 12 + 127) >> 8 blue; the window itself is opaque.
    EXPECT_EQ(painttest::Px(Control->Frames[0], 56, 17), 0xFEF2000Cu);
    EXPECT_EQ(painttest::Px(window, 56, 17), 0xFFF2000Cu);
}

TEST_F(ControlFade, ChangesThatRepaintAtOnce) {
    struct Case {
        const char* Name;
        bool FadeWanted, FadingEnabled, Stale, SwitchedOff, EmptyCache;
    } const cases[] = {
        {"fading not wanted", false, true, false, false, false},
        {"section without fading", true, false, false, false, false},
        {"picture out of date", true, true, true, false, false},
        {"fading switched off for the session", true, true, false, true, false},
        {"no picture yet", true, true, false, false, true},
    };
    for (const Case& c : cases) {
        Section().FadingEnabled = c.FadingEnabled;
        skin::SetFadingSwitchedOff(c.SwitchedOff);
        Control->ShowOld(c.EmptyCache ? gfx::TBitmap() : Noise(113, 35, 8));
        Control->Data.PictureStale = c.Stale;
        Control->Commands.clear();
        Glows.Calls.clear();
        const int paints = Control->Paints;
        ChangeControlState(Control->Fade, Control->Data, false, 1, c.FadeWanted);
        EXPECT_EQ(Control->Fade, nullptr) << c.Name;
        EXPECT_TRUE(Control->Commands.empty()) << c.Name;
        EXPECT_TRUE(Control->Data.PictureStale) << c.Name;
        EXPECT_GT(Control->Paints, paints) << c.Name << ": repainted at once";
        EXPECT_EQ(Glows.Calls.size(), 1u) << c.Name;
    }
}

TEST_F(ControlFade, ARunningFadeStopsWhenFadingIsSwitchedOffOrTheChangeRepaintsAtOnce) {
    Change(Noise(113, 35, 1), Noise(113, 35, 2));
    AdvanceClock(20);
    skin::SetFadingSwitchedOff(true);
    const int step = Control->Fade->CurrentStep;
    AdvanceClock(100);
    EXPECT_EQ(Control->Frames.size(), 2u) << "no step while fading is off";
    EXPECT_EQ(Control->Fade->CurrentStep, step);
    ChangeControlState(Control->Fade, Control->Data, false, 1, true);
    EXPECT_EQ(Control->Fade, nullptr) << "the next change stops the fade and repaints";
    EXPECT_EQ(skin::FadeTimerCount(), 0);
}

TEST_F(ControlFade, AControlDisabledDuringItsFadeStopsAtOnce) {
    Change(Noise(113, 35, 1), Noise(113, 35, 2));
    AdvanceClock(30);
    ASSERT_EQ(Control->Frames.size(), 3u);
    Control->SetEnabled(false);
    const int paints = Control->Paints;
    AdvanceClock(10);
    ASSERT_NE(Control->Fade, nullptr);
    EXPECT_FALSE(Control->Fade->Enabled());
    EXPECT_EQ(Control->Fade->FadeSteps, 0);
    EXPECT_GT(Control->Paints, paints) << "repainted in its disabled look";
    AdvanceClock(200);
    EXPECT_EQ(Control->Frames.size(), 3u);
}

TEST_F(ControlFade, AControlHiddenDuringItsFadeMakesNoMoreFrames) {
    Change(Noise(113, 35, 1), Noise(113, 35, 2));
    AdvanceClock(20);
    Control->Hide();
    AdvanceClock(200);
    EXPECT_EQ(Control->Frames.size(), 2u);
    ASSERT_NE(Control->Fade, nullptr);
    EXPECT_FALSE(Control->Fade->Enabled());
}

TEST_F(ControlFade, AControlFreedDuringItsFadeTakesTheFadeWithIt) {
    Change(Noise(113, 35, 1), Noise(113, 35, 2));
    AdvanceClock(20);
    Control->Free();
    EXPECT_EQ(skin::FadeTimerCount(), 0);
    Control = nullptr;
    AdvanceClock(300);
}

// The speed buttons' fade: the button sets up the old picture and the step,
// and shows FramePicture on each command 18.
class TAnimProbe : public TFadeProbe {
public:
    using TFadeProbe::TFadeProbe;
    void WndProc(vcl::TMessage& message) override {
        if (message.Msg == skin::SKIN_COMMAND_MESSAGE) {
            const int command = skin::SkinCommandOf(message.WParam);
            if (command == SKC_FADE_FRAME_READY) {
                Shown.emplace_back();
                Shown.back().Assign(Anim->FramePicture);
                if (Shown.size() == 3) AdvanceClock(10);  // painting that handles messages
            } else if (command == skin::SKC_PREPARE_REFRESH) {
                Ended = true;
                Anim->SetEnabled(false);
            }
            if (command == SKC_FADE_FRAME_READY || command == skin::SKC_PREPARE_REFRESH) {
                Commands.push_back(command);
                return;
            }
        }
        TFadeProbe::WndProc(message);
    }
    TsAnimTimer* Anim = nullptr;
    std::vector<gfx::TBitmap> Shown;
    bool Ended = false;
};

TEST_F(ControlFade, SpeedButtonFadeShowsEachFrameAndCountsStepsMissedWhilePainting) {
    Control->Free();
    auto* button = new TAnimProbe(Form);
    button->Data.ResolveSection();
    button->Commands.clear();
    Control = button;
    const gfx::TBitmap oldLook = Noise(113, 35, 21), newLook = Noise(113, 35, 22);
    auto* timer = new TsAnimTimer(button->Data);
    button->Anim = timer;
    EXPECT_EQ(timer->Interval(), 10u);
    EXPECT_EQ(timer->FadeSteps, 20);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(skin::FadeTimerCount(), 1);
    timer->StartPicture.Assign(oldLook);
    button->Data.CachePicture->Assign(newLook);
    timer->CurrentStep = 1;
    timer->SetEnabled(true);
    for (int i = 0; i < 30 && !button->Ended; ++i) AdvanceClock(10);
    EXPECT_TRUE(button->Ended);
    // The tick that came while frame 3 was shown made no frame but counted.
    ASSERT_EQ(button->Shown.size(), 19u);
    for (size_t i = 0; i < button->Shown.size(); ++i) {
        const int step = i < 3 ? int(i) + 1 : int(i) + 2;
        EXPECT_TRUE(IsBlend(button->Shown[i], oldLook, newLook, FadeAlpha(step, 20))) << "step " << step;
    }
    const std::vector<int> expected{skin::SKC_SET_UPDATING, SKC_FADE_FRAME_READY};
    EXPECT_EQ(std::vector<int>(button->Commands.begin(), button->Commands.begin() + 2), expected);
    timer->Free();
    EXPECT_EQ(skin::FadeTimerCount(), 0);
}

}  // namespace
