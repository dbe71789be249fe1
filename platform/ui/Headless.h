#pragma once
// Driving the headless desktop from tests and tools: a fresh desktop of a
// given size, the test clock, injected mouse and keyboard input, and the
// picture of the desktop or of one window.
#include <string>

#include "gfx/TBitmap.h"
#include "ui/Types.h"

namespace ui::headless {

// Forgets every window, timer and message and starts an empty headless
// desktop with the test clock; the backend of the process becomes headless.
void Reset(int width = 1024, int height = 768);
void SetTestClock(bool on);
// Moves the test clock forward, running due timers, their messages and what
// they cause as the clock passes them.
void AdvanceClock(int ms);
// Pretends the display has no compositing manager (or has one again).
void SetLayeredAvailable(bool on);

// Input is queued as the display would; the loop delivers it.
void MouseMove(int x, int y);
void MouseDown(int button = 0);  // 0 left, 1 right, 2 middle
void MouseUp(int button = 0);
void Click(int x, int y, int button = 0);
void Wheel(int delta);
// The pointer left every window of ours.
void MouseLeave();
void KeyDown(UINT vk, unsigned char ch = 0);
void KeyUp(UINT vk);
void KeyPress(UINT vk, unsigned char ch = 0);
// The cursor shape last set.
HCURSOR CurrentCursor();

// The desktop as composed: top-level windows bottom to top through their
// regions, layered windows blended with their alpha and opacity.
gfx::TBitmap ComposeDesktop();
// What a window shows (straight alpha; outside a region alpha is 0).
gfx::TBitmap WindowImage(HWND hwnd);
bool SaveDesktopPng(const std::string& path);
bool SaveWindowPng(HWND hwnd, const std::string& path);

}  // namespace ui::headless
