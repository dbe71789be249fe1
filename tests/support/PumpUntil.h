#pragma once
// Runs the message loop of a test in real time until a condition holds: for
// tests that wait on another process or a real display.
#include <chrono>
#include <thread>

#include "ui/MessageLoop.h"

namespace testsupport {

// False when `done` did not hold within `ms` milliseconds.
template <typename F>
bool PumpUntil(F done, int ms = 10000) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) return false;
        ui::ProcessPendingMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

}  // namespace testsupport
