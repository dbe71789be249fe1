#include "vcl/TTimer.h"

#include "ui/MessageLoop.h"
#include "vcl/TApplication.h"
#include "vcl/TClassBuilder.h"

namespace vcl {

const TClassInfo& TTimer::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TTimer>("TTimer", TComponent::StaticClass())
                                        .Creatable()
                                        .Bool("Enabled", &TTimer::SetEnabled)
                                        .Int("Interval", &TTimer::SetInterval)
                                        .Event("OnTimer", &TTimer::SetOnTimer)
                                        .Build();
    return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
    if (FId) ui::KillTimer(nullptr, FId);
}

void TTimer::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
    if (value == FInterval) return;
    FInterval = value;
    UpdateTimer();
}

void TTimer::SetOnTimer(const TNotifyEvent& e) {
    OnTimer = e;
    UpdateTimer();
}

// Ticks only while enabled, with an interval and a handler, as the
// framework's timers do.
void TTimer::UpdateTimer() {
    if (FId) ui::KillTimer(nullptr, FId);
    FId = 0;
    if (FEnabled && FInterval > 0 && OnTimer)
        FId = ui::SetTimer(nullptr, 0, FInterval, [this](ui::HWND, ui::UINT, ui::UINT_PTR, ui::DWORD) {
            try {
                Timer();
            } catch (...) {
                Application->HandleException(this);
            }
        });
}

void TTimer::Timer() {
    if (OnTimer) OnTimer(this);
}

}  // namespace vcl
