#pragma once
// Process-wide state of the fades: how many fade and animation timers exist,
// and whether fading has been switched off (the end-of-session query does
// that, then waits, handling messages, until the count reaches 0).
namespace skin {

// The fade and title-button animation timers that exist now.
int FadeTimerCount();

// Once switched off, no fade starts and running fades make no further step.
bool FadingSwitchedOff();
// The end-of-session query switches it off for the rest of the process; tests
// switch it on again.
void SetFadingSwitchedOff(bool off);

// A member of every fade and animation timer: counts its holder while it
// lives.
class TFadeTimerCount {
public:
    TFadeTimerCount();
    ~TFadeTimerCount();
    TFadeTimerCount(const TFadeTimerCount&) = delete;
    TFadeTimerCount& operator=(const TFadeTimerCount&) = delete;
};

}  // namespace skin
