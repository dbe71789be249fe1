#include "ui/Clock.h"

#include <chrono>
#include <thread>

namespace ui {

namespace {
int64_t SteadyMs() {
    using namespace std::chrono;
    static const auto start = steady_clock::now();
    // Starting above zero keeps tick counts of the first moments distinct from
    // "never".
    return duration_cast<milliseconds>(steady_clock::now() - start).count() + 1000;
}
}  // namespace

TClock::TClock() { SteadyMs(); }

int64_t TClock::Now() const { return FTest ? FTestNow : SteadyMs(); }

void TClock::SetTestClock(bool on) {
    if (on == FTest) return;
    FTestNow = SteadyMs();
    FTest = on;
}

void TClock::Advance(int64_t ms) {
    if (FTest && ms > 0) FTestNow += ms;
}

void TClock::Sleep(int ms) {
    if (ms <= 0) return;
    if (FTest) FTestNow += ms;
    else std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace ui
