#pragma once
// The main thread's queues: posted messages (any thread may post), input
// messages made from native events, the quit request, and the wake-up that
// lets another thread end the loop's wait at once.
#include <atomic>
#include <deque>
#include <functional>
#include <mutex>

#include "ui/Types.h"

namespace ui {

class TMessageQueue {
public:
    using TMatch = std::function<bool(const TMsg&)>;

    TMessageQueue();
    ~TMessageQueue();
    TMessageQueue(const TMessageQueue&) = delete;
    TMessageQueue& operator=(const TMessageQueue&) = delete;

    // Any thread.
    void Post(const TMsg& msg);
    void PostQuit(int code);
    // Ends a wait of the main thread (cheap when the loop is not waiting).
    void Wake();

    // Main thread. The first message that matches, in order of arrival.
    bool TakePosted(const TMatch& match, bool remove, TMsg& msg);
    bool TakeInput(const TMatch& match, bool remove, TMsg& msg);
    bool QuitPending(int& code) const;
    void ClearQuit();
    void PushInput(const TMsg& msg);
    // The last input message, when it is a mouse move that the next one may
    // replace (moves are merged, as the platform does).
    TMsg* LastInputMove();
    void DiscardFor(HWND hwnd);
    void Clear();

    // The loop's wait: BeginWait announces it (after which Wake writes to the
    // descriptor), EndWait takes the wake-up back.
    int WakeFd() const { return FWakeFd; }
    void BeginWait();
    void EndWait();

private:
    mutable std::mutex FLock;
    std::deque<TMsg> FPosted;
    std::deque<TMsg> FInput;
    bool FQuit = false;
    int FQuitCode = 0;
    std::atomic<bool> FWaiting{false};
    int FWakeFd = -1;
};

}  // namespace ui
