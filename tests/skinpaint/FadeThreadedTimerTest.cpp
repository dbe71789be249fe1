// The window animations' timer: its published defaults, when it ticks on
// the test clock, the re-arming after each change, dropped ticks while one
// runs, and a timer that frees itself in its own tick.
#include <gtest/gtest.h>

#include "skin/acThreadedTimer.h"
#include "ui/Headless.h"
#include "vcl/TApplication.h"

using skin::TacThreadedTimer;
using ui::headless::AdvanceClock;

namespace {

class ThreadedTimer : public ::testing::Test {
protected:
    void SetUp() override {
        ui::headless::Reset(640, 480);
        vcl::Application->ClearTerminated();
    }
    void TearDown() override { vcl::Application->ClearTerminated(); }
};

// An animation timer as the window animations derive them.
class TStepTimer : public TacThreadedTimer {
public:
    explicit TStepTimer(vcl::TComponent* animated) : TacThreadedTimer(nullptr, animated) {}
    using TacThreadedTimer::AnimationOwner;
    using TacThreadedTimer::TimerToStep;
    int Steps = 0;

protected:
    void Step() override { ++Steps; }
};

TEST_F(ThreadedTimer, PlainTimerTicksEverySecondFromCreation) {
    TacThreadedTimer timer(nullptr);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000u);
    EXPECT_EQ(timer.ThreadPriority(), skin::tpNormal);
    EXPECT_FALSE(timer.Armed()) << "no handler yet";
    int ticks = 0;
    timer.SetOnTimer([&](vcl::TObject* sender) {
        EXPECT_EQ(sender, &timer);
        ++ticks;
    });
    AdvanceClock(999);
    EXPECT_EQ(ticks, 0);
    AdvanceClock(2001);
    EXPECT_EQ(ticks, 3);

    vcl::Application->Terminate();
    vcl::Application->ProcessMessages();
    ASSERT_TRUE(vcl::Application->Terminated());
    TacThreadedTimer late(nullptr);
    EXPECT_FALSE(late.Enabled()) << "made while the application terminates";
}

TEST_F(ThreadedTimer, EveryChangeRearmsAndOnlyACompleteTimerRuns) {
    TacThreadedTimer timer(nullptr);
    int ticks = 0;
    timer.SetOnTimer([&](vcl::TObject*) { ++ticks; });
    timer.SetInterval(100);
    AdvanceClock(60);
    timer.SetThreadPriority(skin::tpHighest);  // starts the interval over
    AdvanceClock(60);
    EXPECT_EQ(ticks, 0);
    AdvanceClock(40);
    EXPECT_EQ(ticks, 1);
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Armed());
    AdvanceClock(500);
    EXPECT_EQ(ticks, 1);
    timer.SetInterval(100);
    timer.SetEnabled(false);
    AdvanceClock(500);
    EXPECT_EQ(ticks, 1);
    timer.SetEnabled(true);
    timer.SetOnTimer(nullptr);
    EXPECT_FALSE(timer.Armed());
}

TEST_F(ThreadedTimer, ATickThatComesWhileOneRunsIsDropped) {
    TacThreadedTimer timer(nullptr);
    timer.SetInterval(10);
    int depth = 0, deepest = 0, ticks = 0;
    timer.SetOnTimer([&](vcl::TObject*) {
        ++ticks;
        deepest = std::max(deepest, ++depth);
        if (ticks == 1) AdvanceClock(50);  // an animation step that handles messages
        --depth;
    });
    AdvanceClock(10);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(ticks, 1);
    AdvanceClock(10);
    EXPECT_EQ(ticks, 2) << "ticks resume once the step is done";
}

TEST_F(ThreadedTimer, ATimerFreedInItsOwnTickEndsCleanly) {
    auto* timer = new TacThreadedTimer(nullptr);
    timer->SetInterval(10);
    int ticks = 0;
    timer->SetOnTimer([&](vcl::TObject* sender) {
        ++ticks;
        static_cast<TacThreadedTimer*>(sender)->Free();
    });
    AdvanceClock(100);
    EXPECT_EQ(ticks, 1);
}

TEST_F(ThreadedTimer, AnimationTimersStartDisabledAndStepWhenAsked) {
    TacThreadedTimer animated(nullptr);
    TStepTimer timer(&animated);
    EXPECT_EQ(timer.AnimationOwner(), &animated);
    EXPECT_FALSE(timer.Enabled());
    timer.SetInterval(20);
    timer.TimerToStep();
    AdvanceClock(100);
    EXPECT_EQ(timer.Steps, 0);
    timer.SetEnabled(true);
    AdvanceClock(100);
    EXPECT_EQ(timer.Steps, 5);
}

}  // namespace
