// The loop: retrieval order and filters, timers on the test clock, nested
// modal loops, and hand-overs from other threads while a loop runs.
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "MessageSequence.h"
#include "rtl/TThread.h"
#include "ui/Headless.h"
#include "ui/MessageLoop.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/Window.h"

using namespace ui;
using namespace uitest;

namespace {

class MessageLoop : public TWindowTest {};

TEST_F(MessageLoop, PostedMessagesComeInOrderAndByRange) {
    const HWND w = Make("w", 0, 0, 100, 100, WS_POPUP);
    PostMessage(w, WM_USER + 1, 1, 0);
    PostMessage(w, WM_USER + 5, 5, 0);
    PostMessage(nullptr, WM_APP, 9, 0);
    TMsg msg;
    ASSERT_TRUE(PeekMessage(msg, nullptr, WM_USER + 4, WM_USER + 6, PM_REMOVE));
    EXPECT_EQ(msg.Message, WM_USER + 5u);
    ASSERT_TRUE(PeekMessage(msg, reinterpret_cast<HWND>(intptr_t(-1)), 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.Message, UINT(WM_APP));
    ASSERT_TRUE(PeekMessage(msg, w, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.Message, WM_USER + 1u);
    ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.Message, UINT(WM_APP));
    EXPECT_FALSE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageLoop, QuitComesAfterPostedMessagesAndBeforePainting) {
    const HWND w = Make("w", 0, 0, 100, 100, WS_POPUP | WS_VISIBLE);
    PostQuitMessage(3);
    PostMessage(w, WM_USER, 0, 0);
    TMsg msg;
    ASSERT_TRUE(GetMessage(msg, nullptr, 0, 0));
    EXPECT_EQ(msg.Message, UINT(WM_USER));
    EXPECT_FALSE(GetMessage(msg, nullptr, 0, 0));
    EXPECT_EQ(msg.WParam, 3u);
    ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.Message, UINT(WM_PAINT));
}

TEST_F(MessageLoop, PostingToAWindowThatIsGoneFails) {
    const HWND w = Make("w", 0, 0, 100, 100, WS_POPUP);
    PostMessage(w, WM_USER, 0, 0);
    DestroyWindow(w);
    EXPECT_FALSE(PostMessage(w, WM_USER, 0, 0));
    TMsg msg;
    EXPECT_FALSE(PeekMessage(msg, nullptr, WM_USER, WM_USER, PM_REMOVE));
}

TEST_F(MessageLoop, TimersTickOnTheTestClock) {
    const HWND w = Make("w", 0, 0, 100, 100, WS_POPUP);
    TRecorder::Get().Clear();
    SetTimer(w, 7, 1000);
    headless::AdvanceClock(999);
    EXPECT_TRUE(Sequence({}, "before the first second"));
    headless::AdvanceClock(2001);
    EXPECT_TRUE(Sequence({{WM_TIMER, posted | wparam, 7}, {WM_TIMER, posted | wparam, 7}, {WM_TIMER, posted | wparam, 7}},
                         "three seconds of a 1000 ms timer"));
    SetTimer(w, 7, 500);  // replaces, and starts again from now
    headless::AdvanceClock(499);
    EXPECT_TRUE(Sequence({}, "a replaced timer starts over"));
    headless::AdvanceClock(1);
    EXPECT_TRUE(Sequence({{WM_TIMER, posted | wparam, 7}}, "the replaced timer's interval"));
    EXPECT_TRUE(KillTimer(w, 7));
    EXPECT_FALSE(KillTimer(w, 7));
    headless::AdvanceClock(5000);
    EXPECT_TRUE(Sequence({}, "a killed timer"));
}

TEST_F(MessageLoop, TimerCallbacksAndTimersWithoutWindow) {
    std::vector<UINT_PTR> ticks;
    const UINT_PTR a = SetTimer(nullptr, 0, 100, [&](HWND, UINT, UINT_PTR id, DWORD) { ticks.push_back(id); });
    const UINT_PTR b = SetTimer(nullptr, 0, 150, [&](HWND, UINT, UINT_PTR id, DWORD) {
        ticks.push_back(id);
        KillTimer(nullptr, id);  // a timer may end itself
    });
    ASSERT_NE(a, b);
    headless::AdvanceClock(300);
    EXPECT_EQ(ticks, (std::vector<UINT_PTR>{a, b, a, a}));
    KillTimer(nullptr, a);
}

TEST_F(MessageLoop, ATimerIsDueOnceHoweverLateTheLoopIs) {
    const HWND w = Make("w", 0, 0, 100, 100, WS_POPUP);
    SetTimer(w, 1, 100);
    TRecorder::Get().Clear();
    Sleep(1000);  // sleeping pumps nothing; the timer waits
    EXPECT_TRUE(Sequence({}, "Sleep handles no message"));
    ProcessPendingMessages();
    EXPECT_TRUE(Sequence({{WM_TIMER, posted}}, "ticks missed while late are not made up"));
}

TEST_F(MessageLoop, TimersOfADestroyedWindowStop) {
    const HWND w = Make("w", 0, 0, 100, 100, WS_POPUP);
    int ticks = 0;
    SetTimer(w, 1, 100, [&](HWND, UINT, UINT_PTR, DWORD) { ++ticks; });
    DestroyWindow(w);
    headless::AdvanceClock(1000);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(SetTimer(w, 1, 100), 0u);
}

TEST_F(MessageLoop, ModalLoopsNestedTwoDeep) {
    std::vector<std::string> log;
    bool innerDone = false, outerDone = false;
    SetTimer(nullptr, 0, 100, [&](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        log.push_back("outer opens");
        SetTimer(nullptr, 0, 100, [&](HWND, UINT, UINT_PTR id2, DWORD) {
            KillTimer(nullptr, id2);
            log.push_back("inner opens");
            SetTimer(nullptr, 0, 100, [&](HWND, UINT, UINT_PTR id3, DWORD) {
                KillTimer(nullptr, id3);
                log.push_back("inner ends");
                innerDone = true;
            });
            EXPECT_TRUE(ModalLoop([&] { return innerDone; }));
            log.push_back("inner returned");
            SetTimer(nullptr, 0, 100, [&](HWND, UINT, UINT_PTR id4, DWORD) {
                KillTimer(nullptr, id4);
                log.push_back("outer ends");
                outerDone = true;
            });
        });
        EXPECT_TRUE(ModalLoop([&] { return outerDone; }));
        log.push_back("outer returned");
    });
    const DWORD start = GetTickCount();
    bool finished = false;
    SetTimer(nullptr, 0, 1000, [&](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        finished = true;
    });
    EXPECT_TRUE(ModalLoop([&] { return finished; }));
    EXPECT_EQ(log, (std::vector<std::string>{"outer opens", "inner opens", "inner ends", "inner returned", "outer ends",
                                             "outer returned"}));
    EXPECT_EQ(GetTickCount() - start, 1000u);  // waits moved the test clock timer by timer
}

TEST_F(MessageLoop, QuitLeavesEveryModalLoopAndReachesTheOutermost) {
    int returnedFalse = 0;
    SetTimer(nullptr, 0, 10, [&](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        SetTimer(nullptr, 0, 10, [&](HWND, UINT, UINT_PTR id2, DWORD) {
            KillTimer(nullptr, id2);
            PostQuitMessage(42);
        });
        if (!ModalLoop([] { return false; })) ++returnedFalse;
    });
    if (!ModalLoop([] { return false; })) ++returnedFalse;
    EXPECT_EQ(returnedFalse, 2);
    EXPECT_EQ(RunMessageLoop(), 42);
}

// A worker that hands `count` increments to the main thread.
class THandOver : public rtl::TThread {
public:
    THandOver(int count, std::atomic<int>& done) : FCount(count), FDone(done) {}
    int Handled = 0;

protected:
    void Execute() override {
        for (int i = 0; i < FCount; ++i) Synchronize([this] { ++Handled; });
        FDone = 1;
    }

private:
    int FCount;
    std::atomic<int>& FDone;
};

TEST_F(MessageLoop, HandOversRunWhileNestedModalLoopsWait) {
    headless::SetTestClock(false);  // the worker runs in real time
    std::atomic<int> done{0};
    THandOver worker(2000, done);
    bool timedOut = false;
    SetTimer(nullptr, 0, 20000, [&](HWND, UINT, UINT_PTR, DWORD) { timedOut = true; });
    int handledWhenInnerEnded = -1;
    PostMessage(nullptr, WM_APP, 0, 0);
    worker.Start();
    // The outer loop opens an inner one on its first message; the inner one
    // ends half-way through the hand-overs, the outer one when all are in.
    bool innerOpened = false;
    ModalLoop([&] {
        if (!innerOpened) {
            innerOpened = true;
            ModalLoop([&] { return worker.Handled >= 1000 || timedOut; });
            handledWhenInnerEnded = worker.Handled;
        }
        return worker.Handled == 2000 || timedOut;
    });
    worker.WaitFor();
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(worker.Handled, 2000);
    EXPECT_GE(handledWhenInnerEnded, 1000);
    EXPECT_LT(handledWhenInnerEnded, 2000);
}

TEST_F(MessageLoop, SendMessageFromAnotherThreadWaitsForTheMainThread) {
    headless::SetTestClock(false);
    const HWND w = Make("w", 0, 0, 100, 100, WS_POPUP);
    TRecorder::Get().Clear();
    LRESULT answer = -1;
    std::thread worker([&] { answer = SendMessage(w, WM_GETTEXTLENGTH, 0, 0); });
    // The send itself is the loop's only event; it ends the wait once handled.
    ModalLoop([&] { return !TRecorder::Get().Seen().empty(); });
    worker.join();
    EXPECT_EQ(answer, 1);
    EXPECT_TRUE(Sequence({{WM_GETTEXTLENGTH, sent}}, "a send from another thread runs on the main thread"));
}

TEST_F(MessageLoop, PostingFromAnotherThreadWakesTheLoop) {
    headless::SetTestClock(false);
    const HWND w = Make("w", 0, 0, 100, 100, WS_POPUP);
    std::thread worker([w] { PostMessage(w, WM_USER + 3, 0, 0); });
    TMsg msg;
    do {
        ASSERT_TRUE(GetMessage(msg, nullptr, 0, 0));
    } while (msg.Message != WM_USER + 3);
    worker.join();
    EXPECT_EQ(msg.Hwnd, w);
}

LRESULT ForgetsBeginPaint(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_PAINT) return 0;
    return RecordingProc(h, m, wp, lp);
}

TEST_F(MessageLoop, AWindowThatNeverValidatesDoesNotStarveTheTimers) {
    const HWND w = Make("w", 0, 0, 100, 100, WS_POPUP | WS_VISIBLE);
    SetWindowProc(w, ForgetsBeginPaint);
    SetTimer(w, 1, 10);
    TRecorder::Get().Ignore({WM_PAINT});
    TRecorder::Get().Clear();
    headless::AdvanceClock(10);
    EXPECT_TRUE(Sequence({{WM_TIMER, posted}}, "the timer ticks past an unpainted window"));
}

}  // namespace
