#include "ui/MessageLoop.h"

#include <poll.h>

#include <algorithm>
#include <utility>

#include "rtl/TScopeExit.h"
#include "rtl/TThread.h"
#include "ui/Channel.h"
#include "ui/Dispatch.h"
#include "ui/InputEvents.h"
#include "ui/LoopInternal.h"
#include "ui/Messages.h"
#include "ui/PaintInternal.h"
#include "ui/Tree.h"

namespace ui {

namespace {

bool gPumpingBackend = false;
// Work that ran outside any message (a hand-over, native input, an internal
// timer) may be what a modal loop waits for: the next wait returns at once so
// that the loop looks at its condition again.
bool gSystemWorkDone = false;

bool InRange(UINT message, UINT low, UINT high) { return (low == 0 && high == 0) || (message >= low && message <= high); }

bool WindowMatches(HWND target, HWND filter) {
    if (!filter) return true;
    if (filter == reinterpret_cast<HWND>(intptr_t(-1))) return target == nullptr;
    return target == filter || IsDescendant(filter, target);
}

void RunInternalTimers() {
    const int64_t now = Sys().Clock.Now();
    while (const TTimerQueue::TTimer* t =
               Sys().Timers.FirstDue(now, [](const TTimerQueue::TTimer& t) { return bool(t.Internal); })) {
        const std::function<void()> run = t->Internal;
        Sys().Timers.Kill(t->Hwnd, t->Id);  // internal timers fire once
        run();
        gSystemWorkDone = true;
    }
}

// The first posted message that matches, else the first input message,
// routing waiting native input one event at a time (routing may post, and
// posted messages come first).
bool TakePostedOrInput(TMsg& msg, const TMessageQueue::TMatch& match, bool remove) {
    TWindowSystem& sys = Sys();
    do {
        if (sys.Queue.TakePosted(match, remove, msg)) {
            msg.Time = DWORD(sys.Clock.Now());
            msg.Pt = sys.Mouse.Pos;
            return true;
        }
        if (sys.Queue.TakeInput(match, remove, msg)) return true;
    } while (RouteNextInput());
    return false;
}

// A message the loop makes itself (quit, paint, timer).
TMsg LoopMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return TMsg{hwnd, message, wParam, lParam, DWORD(Sys().Clock.Now()), Sys().Mouse.Pos};
}

// WM_PAINT for the first window that needs it; windows whose frame alone is
// invalid get their WM_NCPAINT on the way.
bool TakePaint(TMsg& msg, HWND filter) {
    while (TWindow* w = NextWindowToPaint(filter)) {
        if (NeedsPaintMessage(*w)) {
            msg = LoopMessage(w->Handle, WM_PAINT, 0, 0);
            return true;
        }
        PaintFrameOnly(w->Handle);
    }
    return false;
}

bool TakeTimer(TMsg& msg, HWND filter, bool remove) {
    TWindowSystem& sys = Sys();
    const TTimerQueue::TTimer* t = sys.Timers.FirstDue(
        sys.Clock.Now(), [&](const TTimerQueue::TTimer& t) { return !t.Internal && WindowMatches(t.Hwnd, filter); });
    if (!t) return false;
    msg = LoopMessage(t->Hwnd, WM_TIMER, t->Id, t->Proc ? 1 : 0);
    if (remove) sys.Timers.Rearm(t->Hwnd, t->Id, sys.Clock.Now());
    return true;
}

}  // namespace

void PumpSystemWork() {
    if (rtl::CheckSynchronize(0)) gSystemWorkDone = true;
    if (ChannelServe()) gSystemWorkDone = true;
    if (!gPumpingBackend) {
        // Native events may run window procedures (activation), which may
        // pump again or throw; the backend's queue is read by one at a time.
        gPumpingBackend = true;
        const rtl::TScopeExit done([] { gPumpingBackend = false; });
        TBackend& backend = Sys().Backend();
        if (backend.HasPendingEvents()) {
            backend.DispatchEvents();
            gSystemWorkDone = true;
        }
    }
    RunInternalTimers();
}

void WaitForWork(HWND filter, UINT filterMin, UINT filterMax) {
    TMessageQueue& queue = Sys().Queue;
    queue.BeginWait();
    TMsg probe;
    if (PeekMessage(probe, filter, filterMin, filterMax, PM_NOREMOVE) || std::exchange(gSystemWorkDone, false)) {
        queue.EndWait();
        return;
    }
    const int64_t due = Sys().Timers.NextDue();
    const int64_t now = Sys().Clock.Now();
    int timeout = due < 0 ? -1 : int(std::clamp<int64_t>(due - now, 0, 1 << 30));
    // Events the display library has already read off its socket (during a
    // round trip since the last look) would not wake the poll.
    if (Sys().Backend().HasPendingEvents()) {
        queue.EndWait();
        return;
    }
    pollfd fds[3] = {{queue.WakeFd(), POLLIN, 0}, {ChannelFd(), POLLIN, 0}, {Sys().Backend().EventFd(), POLLIN, 0}};
    const nfds_t count = 3;  // poll passes over the descriptors that are -1
    if (Sys().Clock.IsTestClock() && timeout > 0) {
        // Nobody moves the test clock while the loop waits: the next timer
        // is due now, unless something else arrives at once.
        if (poll(fds, count, 0) <= 0) Sys().Clock.Advance(timeout);
    } else {
        poll(fds, count, timeout);
    }
    queue.EndWait();
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!OnMainThread()) {
        LRESULT result = 0;
        rtl::TThread::Synchronize([&] { result = SendMessage(hwnd, msg, wParam, lParam); });
        return result;
    }
    if (TWindowSystem::IsRemote(hwnd)) return ChannelSend(hwnd, msg, wParam, lParam);
    return CallProc(hwnd, msg, wParam, lParam, true);
}

bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (TWindowSystem::IsRemote(hwnd)) return ChannelPost(hwnd, msg, wParam, lParam);
    if (hwnd && OnMainThread() && !Win(hwnd)) return false;
    TMsg m;
    m.Hwnd = hwnd;
    m.Message = msg;
    m.WParam = wParam;
    m.LParam = lParam;
    Sys().Queue.Post(m);
    return true;
}

void PostQuitMessage(int exitCode) { Sys().Queue.PostQuit(exitCode); }

bool PeekMessage(TMsg& msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    if (!OnMainThread()) return false;
    PumpSystemWork();
    const bool remove = removeFlags & PM_REMOVE;
    auto match = [&](const TMsg& m) { return InRange(m.Message, filterMin, filterMax) && WindowMatches(m.Hwnd, hwnd); };
    TWindowSystem& sys = Sys();
    int quitCode = 0;
    if (TakePostedOrInput(msg, match, remove)) {
    } else if (InRange(WM_QUIT, filterMin, filterMax) && sys.Queue.QuitPending(quitCode)) {
        msg = LoopMessage(nullptr, WM_QUIT, WPARAM(quitCode), 0);
        if (remove) sys.Queue.ClearQuit();
    } else if (!(InRange(WM_PAINT, filterMin, filterMax) && TakePaint(msg, hwnd)) &&
               !(InRange(WM_TIMER, filterMin, filterMax) && TakeTimer(msg, hwnd, remove))) {
        return false;
    }
    return true;
}

bool GetMessage(TMsg& msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (!OnMainThread()) return false;
    while (!PeekMessage(msg, hwnd, filterMin, filterMax, PM_REMOVE)) WaitForWork(hwnd, filterMin, filterMax);
    return msg.Message != WM_QUIT;
}

LRESULT DispatchMessage(const TMsg& msg) {
    if (!OnMainThread()) return 0;
    if (msg.Message == WM_TIMER && msg.LParam) {
        const TTimerQueue::TTimer* t = Sys().Timers.Find(msg.Hwnd, msg.WParam);
        if (t && t->Proc) {
            const TIMERPROC proc = t->Proc;
            proc(msg.Hwnd, WM_TIMER, msg.WParam, msg.Time);
        }
        return 0;
    }
    if (!msg.Hwnd) return 0;
    if (msg.Message == WM_PAINT) {
        DeliverPaint(msg.Hwnd, false);
        return 0;
    }
    return CallProc(msg.Hwnd, msg.Message, msg.WParam, msg.LParam, false);
}

bool TranslateMessage(const TMsg& msg) {
    if ((msg.Message != WM_KEYDOWN && msg.Message != WM_SYSKEYDOWN) || !msg.Char) return false;
    TMsg c = msg;
    c.Message = msg.Message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    c.WParam = msg.Char;
    c.Char = 0;
    Sys().Queue.Post(c);
    return true;
}

void WaitMessage() {
    if (OnMainThread()) WaitForWork(nullptr, 0, 0);
}

void ProcessPendingMessages() {
    TMsg msg;
    while (PeekMessage(msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.Message == WM_QUIT) {
            PostQuitMessage(int(msg.WParam));
            return;
        }
        TranslateMessage(msg);
        DispatchMessage(msg);
    }
}

bool ModalLoop(const std::function<bool()>& ended) {
    if (!OnMainThread()) return false;
    TMsg msg;
    while (!ended()) {
        if (!PeekMessage(msg, nullptr, 0, 0, PM_REMOVE)) {
            WaitForWork(nullptr, 0, 0);
            continue;
        }
        if (msg.Message == WM_QUIT) {
            PostQuitMessage(int(msg.WParam));
            return false;
        }
        TranslateMessage(msg);
        DispatchMessage(msg);
    }
    return true;
}

int RunMessageLoop() {
    TMsg msg;
    while (GetMessage(msg, nullptr, 0, 0)) {
        TranslateMessage(msg);
        DispatchMessage(msg);
    }
    return int(msg.WParam);
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (!OnMainThread() || (hwnd && !Win(hwnd))) return 0;
    if (!hwnd && (!id || !Sys().Timers.Find(nullptr, id))) id = Sys().Timers.NewId();
    const int interval = int(std::clamp<UINT>(elapse, 10, 0x7FFFFFFF));
    Sys().Timers.Set(hwnd, id, interval, Sys().Clock.Now(), std::move(proc));
    return id ? id : 1;
}

bool KillTimer(HWND hwnd, UINT_PTR id) { return OnMainThread() && Sys().Timers.Kill(hwnd, id); }

DWORD GetTickCount() { return DWORD(Sys().Clock.Now()); }

void Sleep(int ms) { Sys().Clock.Sleep(ms); }

}  // namespace ui
