#pragma once
// Sending, posting and retrieving messages, the message loop and its modal
// runs, main-thread timers and time.
//
// Retrieval order, as on the original platform: hand-overs from other threads
// (TThread::Synchronize) and messages sent by other processes, posted
// messages, input, the quit request, WM_PAINT, WM_TIMER. Every loop drains the
// hand-over queue, and another thread's hand-over ends a wait at once.
#include <functional>

#include "ui/TimerQueue.h"
#include "ui/Types.h"

namespace ui {

// PeekMessage
inline constexpr UINT PM_NOREMOVE = 0x0;
inline constexpr UINT PM_REMOVE = 0x1;

// A direct, blocking call of the window's procedure. From another thread it
// is handed to the main thread and waits for the answer; to a window of
// another process it travels over the per-user channel (CopyData.h).
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Any thread. A null window posts a message for the loop itself.
bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);

// The window filter takes the window and its descendants; a range of 0, 0
// takes every message.
bool PeekMessage(TMsg& msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
// False for WM_QUIT.
bool GetMessage(TMsg& msg, HWND hwnd, UINT filterMin, UINT filterMax);
LRESULT DispatchMessage(const TMsg& msg);
// Posts WM_CHAR or WM_SYSCHAR for a key message that produced text.
bool TranslateMessage(const TMsg& msg);
// Waits until a message may be there.
void WaitMessage();
// Whether the message the innermost window procedure handles was sent (not
// posted or produced by the loop).
bool InSendMessage();

// Runs every message that waits now, painting included, without waiting.
void ProcessPendingMessages();
// A nested run of the loop until `ended` says so (asked after every message)
// or WM_QUIT arrives; WM_QUIT is posted again for the outer loop and the
// result is then false.
bool ModalLoop(const std::function<bool()>& ended);
// The outermost loop: until WM_QUIT; returns its exit code.
int RunMessageLoop();

// A timer of a window (WM_TIMER to it) or, with a null window, of the loop
// (a new identifier is returned). With a procedure, WM_TIMER calls it instead.
// Intervals below 10 ms count as 10.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc = {});
bool KillTimer(HWND hwnd, UINT_PTR id);

DWORD GetTickCount();
// Sleeps without handling any message.
void Sleep(int ms);

}  // namespace ui
