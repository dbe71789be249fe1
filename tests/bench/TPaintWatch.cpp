#include "TPaintWatch.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

constexpr auto kQuiet = std::chrono::milliseconds(300);
constexpr auto kPollGap = std::chrono::microseconds(800);

// The screen's pixels under `area`, as 32-bit words; empty when unreadable.
std::vector<uint32_t> ScreenPixels(Display* display, Window root, const XWindowAttributes& area) {
    if (area.width <= 0 || area.height <= 0) return {};
    XImage* image = XGetImage(display, root, area.x, area.y, unsigned(area.width), unsigned(area.height), AllPlanes,
                              ZPixmap);
    if (!image) return {};
    std::vector<uint32_t> pixels(size_t(area.width) * size_t(area.height));
    for (int y = 0; y < area.height; ++y)
        std::memcpy(pixels.data() + size_t(y) * size_t(area.width), image->data + y * image->bytes_per_line,
                    size_t(area.width) * 4);
    XDestroyImage(image);
    return pixels;
}

}  // namespace

TPaintWatch::TPaintWatch(const std::string& display) {
    FDisplay = XOpenDisplay(display.c_str());
    if (!FDisplay) throw std::runtime_error("cannot open display " + display);
    FRoot = DefaultRootWindow(FDisplay);
    XSelectInput(FDisplay, FRoot, SubstructureNotifyMask);
    XGetWindowAttributes(FDisplay, FRoot, &FScreen);
    XSync(FDisplay, False);
}

TPaintWatch::~TPaintWatch() { XCloseDisplay(FDisplay); }

void TPaintWatch::Arm() {
    XSync(FDisplay, True);  // forget what earlier runs mapped
    FBefore = ScreenPixels(FDisplay, FRoot, FScreen);
}

std::optional<TPaintWatch::Clock::time_point> TPaintWatch::WaitPainted(double limitSeconds) {
    const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                             std::chrono::duration<double>(limitSeconds));
    Window mapped = 0;
    while (!mapped) {
        if (Clock::now() > deadline) return std::nullopt;
        while (XPending(FDisplay)) {
            XEvent event;
            XNextEvent(FDisplay, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect && !mapped) mapped = event.xmap.window;
        }
        if (!mapped) std::this_thread::sleep_for(kPollGap);
    }
    XWindowAttributes area{};
    if (!XGetWindowAttributes(FDisplay, mapped, &area) || area.depth < 24) return std::nullopt;
    area.x = std::clamp(area.x, 0, FScreen.width);
    area.y = std::clamp(area.y, 0, FScreen.height);
    area.width = std::min(area.width, FScreen.width - area.x);
    area.height = std::min(area.height, FScreen.height - area.y);
    // Mapped without a background, the window first shows the screen behind it.
    std::vector<uint32_t> shown;
    for (int y = area.y; y < area.y + area.height; ++y) {
        const auto row = FBefore.begin() + long(y) * FScreen.width + area.x;
        shown.insert(shown.end(), row, row + area.width);
    }
    auto changed = Clock::now();
    bool paintedOnce = false;
    while (Clock::now() - changed < kQuiet || !paintedOnce) {
        if (Clock::now() > deadline) return std::nullopt;
        std::this_thread::sleep_for(kPollGap);
        std::vector<uint32_t> now = ScreenPixels(FDisplay, FRoot, area);
        if (now != shown) {
            changed = Clock::now();
            paintedOnce = true;
            shown = std::move(now);
        }
    }
    return changed;
}
