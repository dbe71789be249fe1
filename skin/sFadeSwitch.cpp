#include "skin/sFadeSwitch.h"

namespace skin {

namespace {
// Main thread only, like every timer that touches them.
int timerCount = 0;
bool fadingOff = false;
}  // namespace

int FadeTimerCount() { return timerCount; }
bool FadingSwitchedOff() { return fadingOff; }
void SetFadingSwitchedOff(bool off) { fadingOff = off; }

TFadeTimerCount::TFadeTimerCount() { ++timerCount; }
TFadeTimerCount::~TFadeTimerCount() { --timerCount; }

}  // namespace skin
