#pragma once
// The window system's time in milliseconds: the steady clock, or a clock
// that only the test moves, so that timers of a second are tested without
// waiting a second.
#include <cstdint>

namespace ui {

class TClock {
public:
    TClock();
    int64_t Now() const;
    bool IsTestClock() const { return FTest; }
    // Switching starts the test clock at the current time.
    void SetTestClock(bool on);
    // Moves the test clock forward; the real clock cannot be moved.
    void Advance(int64_t ms);
    // Sleeps without pumping anything; the test clock just moves.
    void Sleep(int ms);

private:
    bool FTest = false;
    int64_t FTestNow = 0;
};

}  // namespace ui
