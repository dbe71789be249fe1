#pragma once
// Native input as backends report it. It waits in arrival order until the
// loop looks for input, and only then becomes a window message (hit testing,
// capture, activation on click, double clicks, hover and leave tracking,
// keyboard focus): a press that starts a modal drag must see the moves after
// it routed to the window that took the capture.
#include <variant>

#include "ui/Types.h"

namespace ui {

struct TMouseInput {
    enum TKind { Move, ButtonDown, ButtonUp, Wheel, Leave };
    TKind Kind = Move;
    TPoint Screen;
    int Button = 0;      // 0 left, 1 right, 2 middle
    int WheelDelta = 0;  // multiples of WHEEL_DELTA, away from the user positive
    // The top-level window the native system delivered the event to; null
    // lets the window system find it by its own z-order.
    HWND Window = nullptr;
};

struct TKeyInput {
    bool Down = true;
    UINT Vk = 0;
    unsigned char Char = 0;  // the Windows-1252 text of the key, 0 for none
};

using TRawInput = std::variant<TMouseInput, TKeyInput>;

void DeliverMouse(const TMouseInput& input);
void DeliverKey(const TKeyInput& input);
// Turns the oldest waiting input into a message on the input queue; false
// when no input waits.
bool RouteNextInput();
// The native keyboard focus entered or left one of our top-level windows.
void DeliverFocus(HWND hwnd, bool gained);
// The desktop asks a top-level window to close (WM_SYSCOMMAND SC_CLOSE).
void DeliverCloseRequest(HWND hwnd);
// The desktop moved or resized a top-level window itself.
void DeliverMovedByHost(HWND hwnd, const TRect& rect);
// The desktop minimised or restored a top-level window itself.
void DeliverIconified(HWND hwnd, bool iconic);

}  // namespace ui
