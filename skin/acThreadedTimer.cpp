#include "skin/acThreadedTimer.h"

#include "ui/MessageLoop.h"
#include "vcl/TApplication.h"
#include "vcl/TClassBuilder.h"

namespace skin {

const vcl::TClassInfo& TacThreadedTimer::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TacThreadedTimer>("TacThreadedTimer", vcl::TComponent::StaticClass())
            .Creatable()
            .Bool("Enabled", &TacThreadedTimer::SetEnabled)
            .Int("Interval", &TacThreadedTimer::SetInterval)
            .Enum("ThreadPriority", &TacThreadedTimer::SetThreadPriority,
                  {{"tpIdle", tpIdle},
                   {"tpLowest", tpLowest},
                   {"tpLower", tpLower},
                   {"tpNormal", tpNormal},
                   {"tpHigher", tpHigher},
                   {"tpHighest", tpHighest},
                   {"tpTimeCritical", tpTimeCritical}})
            .Event("OnTimer", &TacThreadedTimer::SetOnTimer)
            .Build();
    return info;
}

TacThreadedTimer::TacThreadedTimer(vcl::TComponent* owner)
    : vcl::TComponent(owner), FEnabled(!(vcl::Application && vcl::Application->Terminated())) {}

TacThreadedTimer::TacThreadedTimer(vcl::TComponent* owner, vcl::TComponent* animationOwner)
    : vcl::TComponent(owner), FEnabled(false), FAnimationOwner(animationOwner) {}

TacThreadedTimer::~TacThreadedTimer() {
    *FAlive = false;
    if (FTimerId) ui::KillTimer(nullptr, FTimerId);
}

void TacThreadedTimer::SetEnabled(bool value) {
    FEnabled = value;
    Rearm();
}

void TacThreadedTimer::SetInterval(unsigned value) {
    FInterval = value;
    Rearm();
}

void TacThreadedTimer::SetThreadPriority(TThreadPriority value) {
    FThreadPriority = value;
    Rearm();
}

void TacThreadedTimer::SetOnTimer(const vcl::TNotifyEvent& e) {
    OnTimer = e;
    Rearm();
}

void TacThreadedTimer::TimerToStep() {
    SetOnTimer([this](vcl::TObject*) { Step(); });
}

// Every change starts the interval over: the timer goes off and comes back
// only when it can tick.
void TacThreadedTimer::Rearm() {
    if (FTimerId) ui::KillTimer(nullptr, FTimerId);
    FTimerId = 0;
    if (FInterval != 0 && FEnabled && OnTimer)
        FTimerId = ui::SetTimer(nullptr, 0, FInterval, [this](ui::HWND, ui::UINT, ui::UINT_PTR, ui::DWORD) { Tick(); });
}

void TacThreadedTimer::Tick() {
    if (!FTimerId || FTicking) return;
    FTicking = true;
    const std::shared_ptr<bool> alive = FAlive;
    try {
        Timer();
    } catch (...) {
        vcl::Application->HandleException(*alive ? this : nullptr);
    }
    if (*alive) FTicking = false;
}

void TacThreadedTimer::Timer() {
    if (OnTimer) OnTimer(this);
}

}  // namespace skin
