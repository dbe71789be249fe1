#pragma once
// Watches an X display from outside for a program's main window: the first
// top-level window that is mapped (not override-redirect), and the moment its
// pixels on the screen settle. The screen is read back with XGetImage about
// every millisecond; the window counts as painted at the last change before a
// quiet spell, so a window put together in several pieces counts when its
// last piece shows. The caret's first blink comes later than the quiet spell.
#include <X11/Xlib.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

class TPaintWatch {
public:
    using Clock = std::chrono::steady_clock;

    // Throws std::runtime_error when the display cannot be opened.
    explicit TPaintWatch(const std::string& display);
    ~TPaintWatch();
    TPaintWatch(const TPaintWatch&) = delete;
    TPaintWatch& operator=(const TPaintWatch&) = delete;

    // From now on, windows mapped are candidates, and the screen as it is
    // now is what a window shows before it is painted; call before the start.
    void Arm();
    // When the window mapped since Arm was painted, nothing if no window
    // showed within `limitSeconds`.
    std::optional<Clock::time_point> WaitPainted(double limitSeconds = 20);

private:
    Display* FDisplay = nullptr;
    Window FRoot = 0;
    XWindowAttributes FScreen{};
    std::vector<uint32_t> FBefore;  // the whole screen at Arm
};
