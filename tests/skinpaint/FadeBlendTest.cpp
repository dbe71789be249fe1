// The cross-fade of the control fades, byte for byte at every step, and the
// test that decides which state changes fade at all.
#include <gtest/gtest.h>

#include "PaintTestKit.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sAnimatEvents.h"
#include "skinpaint/sFadeBlend.h"
#include "vcl/TApplication.h"

using namespace skinpaint;
using painttest::Noise;

namespace {

TEST(FadeBlend, TheOldPicturesWeightAtEachStep) {
    struct Case {
        int Step, Steps, Alpha;
    } const cases[] = {
        {0, 20, 255},  {1, 20, 243}, {2, 20, 230}, {3, 20, 217}, {10, 20, 127}, {19, 20, 12},
        {20, 20, 0},   {21, 20, 0},  // past the end the new picture stays
        {-1, 20, 255}, {1, 10, 230}, {5, 5, 0},    {1, 1, 0},    {1, 0, 0},     {3, -4, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FadeAlpha(c.Step, c.Steps), c.Alpha) << "step " << c.Step << " of " << c.Steps;
}

// Twenty steps of a fade from one picture to another, each frame made from a
// fresh copy of the old picture, as the timers make them.
TEST(FadeBlend, EveryByteOfEveryStepIncludingAlpha) {
    const gfx::TBitmap oldLook = Noise(113, 35, 1);
    const gfx::TBitmap newLook = Noise(113, 35, 2);
    for (int step = 1; step <= 20; ++step) {
        const int a = FadeAlpha(step, 20);
        gfx::TBitmap frame;
        frame.Assign(oldLook);
        FadeBlend(frame, newLook, a);
        int wrong = 0;
        for (int y = 0; y < 35; ++y)
            for (int x = 0; x < 113 * 4; ++x) {
                const int o = oldLook.ScanLine(y)[x], n = newLook.ScanLine(y)[x];
                wrong += frame.ScanLine(y)[x] != (o * a + n * (255 - a) + 127) >> 8;
            }
        EXPECT_EQ(wrong, 0) << "step " << step;
    }
}

TEST(FadeBlend, PicturesOfOtherSizesOrFormatsMixOnlyWhatBothCover) {
    const gfx::TBitmap small = painttest::Filled(3, 2, 0xFF000000);
    gfx::TBitmap frame = painttest::Filled(5, 4, 0xFFFFFFFF);
    FadeBlend(frame, small, 128);
    EXPECT_EQ(painttest::Px(frame, 2, 1), 0xFE7F7F7Fu);  // (255 * 128 + 0 * 127 + 127) >> 8, alpha likewise
    EXPECT_EQ(painttest::Px(frame, 3, 1), 0xFFFFFFFFu);
    EXPECT_EQ(painttest::Px(frame, 0, 2), 0xFFFFFFFFu);

    gfx::TBitmap grey(5, 4, gfx::pf8bit);
    FadeBlend(frame, grey, 0);
    EXPECT_EQ(painttest::Px(frame, 0, 0), 0xFE7F7F7Fu);
    gfx::TBitmap none;
    FadeBlend(none, small, 0);
    EXPECT_TRUE(none.Empty());
}

class AnimatEvents : public ::testing::Test {
protected:
    void TearDown() override {
        if (Manager) Manager->Free();
    }
    skin::TsSkinManager* Manager = nullptr;
};

TEST_F(AnimatEvents, OwnEventsAndTheManagersButtonEffects) {
    Manager = new skin::TsSkinManager(vcl::Application);
    ASSERT_EQ(skin::TsSkinManager::DefaultManager(), Manager);
    const TacAnimatEvents global = AnimatSet(aeGlobalDef);
    struct Case {
        int Event;
        TacAnimatEvents Events;
        skin::TacBtnEvents ManagerEvents;
        bool Allowed;
    } const cases[] = {
        {aeMouseEnter, global, skin::beMouseEnter, true},
        {aeMouseLeave, global, skin::beMouseEnter, false},
        {aeMouseDown, global, skin::beMouseEnter, false},
        {aeMouseLeave, global, skin::beMouseLeave, true},
        {aeMouseUp, global, 15, true},
        {aeGlobalDef, global, 0, true},  // it is in the set itself
        {aeMouseEnter, AnimatSet(aeMouseEnter), 0, true},
        {aeMouseDown, AnimatSet(aeMouseEnter), 15, false},  // without aeGlobalDef the manager has no say
        {aeMouseUp, AnimatSet(aeMouseUp) | global, 0, true},
        {aeMouseDown, 0, 15, false},
        {8, 0xFFFFFFFF, 0xFFFFFFFF, false},
        {-1, 0xFFFFFFFF, 0xFFFFFFFF, false},
    };
    for (const Case& c : cases) {
        Manager->AnimEffects().Buttons().SetEvents(c.ManagerEvents);
        EXPECT_EQ(AnimationAllowed(c.Event, c.Events), c.Allowed)
            << "event " << c.Event << ", set " << c.Events << ", manager " << c.ManagerEvents;
        EXPECT_EQ(AnimationAllowed(c.Event, c.Events, Manager), c.Allowed) << "event " << c.Event << " named manager";
    }
}

TEST_F(AnimatEvents, WithoutAManagerOnlyTheControlsOwnEventsAnimate) {
    ASSERT_EQ(skin::TsSkinManager::DefaultManager(), nullptr);
    EXPECT_FALSE(AnimationAllowed(aeMouseEnter, AnimatSet(aeGlobalDef)));
    EXPECT_TRUE(AnimationAllowed(aeMouseEnter, AnimatSet(aeMouseEnter) | AnimatSet(aeGlobalDef)));
}

}  // namespace
