#include "ui/MessageQueue.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

#include "ui/Messages.h"

namespace ui {

namespace {
bool TakeFrom(std::deque<TMsg>& queue, const TMessageQueue::TMatch& match, bool remove, TMsg& msg) {
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (!match(*it)) continue;
        msg = *it;
        if (remove) queue.erase(it);
        return true;
    }
    return false;
}
}  // namespace

TMessageQueue::TMessageQueue() : FWakeFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

TMessageQueue::~TMessageQueue() {
    if (FWakeFd >= 0) close(FWakeFd);
}

void TMessageQueue::Post(const TMsg& msg) {
    {
        std::lock_guard<std::mutex> guard(FLock);
        FPosted.push_back(msg);
    }
    Wake();
}

void TMessageQueue::PostQuit(int code) {
    {
        std::lock_guard<std::mutex> guard(FLock);
        FQuit = true;
        FQuitCode = code;
    }
    Wake();
}

void TMessageQueue::Wake() {
    // The loop announces its wait before it looks at its queues a last time,
    // so a wake-up that sees no waiter is one the loop will find by looking.
    if (!FWaiting.load(std::memory_order_seq_cst)) return;
    const uint64_t one = 1;
    [[maybe_unused]] ssize_t n = write(FWakeFd, &one, sizeof one);
}

bool TMessageQueue::TakePosted(const TMatch& match, bool remove, TMsg& msg) {
    std::lock_guard<std::mutex> guard(FLock);
    return TakeFrom(FPosted, match, remove, msg);
}

bool TMessageQueue::TakeInput(const TMatch& match, bool remove, TMsg& msg) {
    return TakeFrom(FInput, match, remove, msg);
}

bool TMessageQueue::QuitPending(int& code) const {
    std::lock_guard<std::mutex> guard(FLock);
    code = FQuitCode;
    return FQuit;
}

void TMessageQueue::ClearQuit() {
    std::lock_guard<std::mutex> guard(FLock);
    FQuit = false;
}

void TMessageQueue::PushInput(const TMsg& msg) { FInput.push_back(msg); }

TMsg* TMessageQueue::LastInputMove() {
    if (FInput.empty()) return nullptr;
    TMsg& last = FInput.back();
    return last.Message == WM_MOUSEMOVE || last.Message == WM_NCMOUSEMOVE ? &last : nullptr;
}

void TMessageQueue::DiscardFor(HWND hwnd) {
    auto gone = [hwnd](const TMsg& m) { return m.Hwnd == hwnd; };
    FInput.erase(std::remove_if(FInput.begin(), FInput.end(), gone), FInput.end());
    std::lock_guard<std::mutex> guard(FLock);
    FPosted.erase(std::remove_if(FPosted.begin(), FPosted.end(), gone), FPosted.end());
}

void TMessageQueue::Clear() {
    FInput.clear();
    std::lock_guard<std::mutex> guard(FLock);
    FPosted.clear();
    FQuit = false;
}

void TMessageQueue::BeginWait() { FWaiting.store(true, std::memory_order_seq_cst); }

void TMessageQueue::EndWait() {
    FWaiting.store(false, std::memory_order_seq_cst);
    uint64_t count;
    [[maybe_unused]] ssize_t n = read(FWakeFd, &count, sizeof count);
}

}  // namespace ui
