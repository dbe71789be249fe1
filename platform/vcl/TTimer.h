#pragma once
// A timer of the message loop: OnTimer every Interval milliseconds while
// Enabled, on the main thread.
#include "ui/Types.h"
#include "vcl/TComponent.h"

namespace vcl {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned value);
    TNotifyEvent OnTimer;
    void SetOnTimer(const TNotifyEvent& e);

protected:
    virtual void Timer();

private:
    void UpdateTimer();

    bool FEnabled = true;
    unsigned FInterval = 1000;
    ui::UINT_PTR FId = 0;
};

}  // namespace vcl
