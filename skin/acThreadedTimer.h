#pragma once
// The timer of the window animations (the hide animator and its kin). Its
// name comes from the thread it once had; it runs on the main thread, on a
// timer of our window system, and forwards the ticks to OnTimer. A tick that
// comes while the previous one is still running (message handling inside an
// animation step) is dropped.
#include <memory>

#include "ui/Types.h"
#include "vcl/TComponent.h"

namespace skin {

// Kept for stored layouts; the timer has no thread to give it to.
enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TacThreadedTimer : public vcl::TComponent {
public:
    // Enabled unless the application is terminating.
    explicit TacThreadedTimer(vcl::TComponent* owner);
    ~TacThreadedTimer() override;

    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    // Milliseconds; 0 stops the ticks.
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned value);
    TThreadPriority ThreadPriority() const { return FThreadPriority; }
    void SetThreadPriority(TThreadPriority value);
    vcl::TNotifyEvent OnTimer;
    void SetOnTimer(const vcl::TNotifyEvent& e);

    // The window system's timer runs now.
    bool Armed() const { return FTimerId != 0; }

protected:
    // For the animation timers: starts disabled and remembers the component
    // whose animation it runs.
    TacThreadedTimer(vcl::TComponent* owner, vcl::TComponent* animationOwner);
    vcl::TComponent* AnimationOwner() const { return FAnimationOwner; }
    // Points OnTimer at Step.
    void TimerToStep();
    // One step of an animation timer.
    virtual void Step() {}
    // One tick; raises OnTimer.
    virtual void Timer();

private:
    void Rearm();
    void Tick();

    bool FEnabled = true;
    unsigned FInterval = 1000;
    TThreadPriority FThreadPriority = tpNormal;
    vcl::TComponent* FAnimationOwner = nullptr;
    ui::UINT_PTR FTimerId = 0;
    bool FTicking = false;
    // False once the timer is gone, for a tick whose handler freed it.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

}  // namespace skin
